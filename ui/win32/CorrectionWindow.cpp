// The Win32 correction window: controls from the correction form, keys and events forwarded to the session.
#include "ui/win32/CorrectionWindow.h"

#include "run/SystemFileSystem.h"
#include "run/WideText.h"
#include "ui/shared/forms/CorrectionForm.h"
#include "ui/win32/Messages.h"

#include <commctrl.h>

namespace quillon::ui::win32 {

namespace {

constexpr int kFirstId = 100;
constexpr DWORD kStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr COLORREF kFailedGround = RGB(255, 236, 236);
constexpr UINT kKeyMessage = WM_APP + 1; // wParam: the forms::CorrectionKey

// An empty dialog template: the controls are made from the form's rows once the dialog exists.
struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
    WORD points = 8;
    wchar_t face[14] = L"MS Sans Serif";
};

COLORREF colourOf(const forms::Rgb& rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

CorrectionWindow::CorrectionWindow(ConverterSession& converter, run::FileSystem& files)
    : m_session(*this, converter, files)
{
}

void CorrectionWindow::show(HWND owner, ConverterSession& converter)
{
    const auto files = run::makeSystemFileSystem();
    CorrectionWindow window(converter, *files);
    Template empty{};
    empty.header.style = kStyle;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, procedure,
                            reinterpret_cast<LPARAM>(&window));
    if (window.m_failedBrush != nullptr) {
        DeleteObject(window.m_failedBrush);
    }
}

INT_PTR CALLBACK CorrectionWindow::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<CorrectionWindow*>(lParam)->m_dialog = dialog;
    }
    auto* window = reinterpret_cast<CorrectionWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return window == nullptr ? FALSE : window->handle(message, wParam, lParam);
}

// The dialog's own loop knows no accelerators, so every control that takes the focus hands these keys on.
LRESULT CALLBACK CorrectionWindow::controlKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self)
{
    const HWND dialog = reinterpret_cast<CorrectionWindow*>(self)->m_dialog;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (message == WM_KEYDOWN && (wParam == VK_NEXT || wParam == VK_PRIOR || (ctrl && wParam == 'S'))) {
        const auto key = wParam == VK_NEXT    ? forms::CorrectionKey::PageDown
                         : wParam == VK_PRIOR ? forms::CorrectionKey::PageUp
                                              : forms::CorrectionKey::CtrlS;
        PostMessageW(dialog, kKeyMessage, static_cast<WPARAM>(key), 0);
        return 0;
    }
    if (message == WM_CHAR && wParam == 0x13) { // the character Ctrl+S types
        return 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

INT_PTR CorrectionWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        initialise();
        return FALSE; // the session has set the focus
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case kKeyMessage:
        m_session.key(static_cast<forms::CorrectionKey>(wParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message == WM_CTLCOLOREDIT));
    default:
        break;
    }
    return FALSE;
}

// The boxes are made editable (the form's text boxes are read-only by default), and the first contact is shown;
// with nothing to correct the window closes before it is seen.
void CorrectionWindow::initialise()
{
    const int dpi = static_cast<int>(GetDpiForWindow(m_dialog));
    m_controls.create(m_dialog, forms::correctionControls(), dpi, kFirstId);
    sizeToInnerArea(m_dialog, forms::kCorrectionClientArea, kStyle, false, WS_EX_DLGMODALFRAME, dpi);
    SetWindowTextW(m_dialog, run::wideText(forms::kCorrectionTitle).c_str());
    m_failedBrush = CreateSolidBrush(kFailedGround);
    for (const forms::ControlRow& row : forms::correctionControls()) {
        if (forms::takesFocus(row.kind)) {
            SetWindowSubclass(m_controls.control(row.name), controlKeys, 1, reinterpret_cast<DWORD_PTR>(this));
        }
        if (row.kind == forms::ControlKind::TextBox) {
            SendMessageW(m_controls.control(row.name), EM_SETREADONLY, FALSE, 0);
        }
    }
    if (!m_session.open()) {
        EndDialog(m_dialog, 0);
    }
}

// Enter does nothing; Esc and the close box come as IDCANCEL.
void CorrectionWindow::command(int id, int notification)
{
    if (id == IDCANCEL) {
        m_session.closeRequested();
        return;
    }
    const forms::ControlRow* row = m_controls.rowOf(id);
    if (row == nullptr) {
        return;
    }
    if (row->kind == forms::ControlKind::TextBox) {
        if (notification == EN_KILLFOCUS || (notification == EN_CHANGE && !m_settingText)) {
            m_session.fieldLeft(row->name);
        }
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    if (row->name == "cbPrevious") {
        m_session.previousContact();
    } else if (row->name == "cbNext") {
        m_session.nextContact();
    } else if (row->name == "cbSave") {
        m_session.save();
    } else if (row->name == "cbClose") {
        m_session.closeRequested();
    }
}

// A failed box and every reason in the problem colour.
HBRUSH CorrectionWindow::colour(HDC dc, HWND control, bool edit)
{
    const int id = GetDlgCtrlID(control);
    const forms::ControlRow* row = m_controls.rowOf(id);
    if (edit) {
        const bool failed = m_failed.contains(control);
        SetTextColor(dc, failed ? colourOf(forms::kProblemColour) : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, failed ? kFailedGround : GetSysColor(COLOR_WINDOW));
        return failed ? m_failedBrush : GetSysColorBrush(COLOR_WINDOW);
    }
    if (row != nullptr && row->textColour != nullptr) {
        SetTextColor(dc, colourOf(*row->textColour));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void CorrectionWindow::setControlText(std::string_view control, const std::string& text)
{
    const std::wstring wide = run::wideText(text);
    m_given[std::string(control)] = {text, wide};
    m_settingText = true;
    SetWindowTextW(m_controls.control(control), wide.c_str());
    m_settingText = false;
}

std::string CorrectionWindow::controlText(std::string_view control) const
{
    const HWND box = m_controls.control(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    const auto given = m_given.find(control);
    return given != m_given.end() && given->second.second == text ? given->second.first : run::utf8Text(text);
}

void CorrectionWindow::showControl(std::string_view control, bool shown)
{
    ShowWindow(m_controls.control(control), shown ? SW_SHOW : SW_HIDE);
}

void CorrectionWindow::enableControl(std::string_view control, bool enabled)
{
    EnableWindow(m_controls.control(control), enabled);
}

void CorrectionWindow::setFailed(std::string_view control, bool failed)
{
    const HWND box = m_controls.control(control);
    if (failed ? m_failed.insert(box).second : m_failed.erase(box) != 0) {
        InvalidateRect(box, nullptr, TRUE);
    }
}

// Through the dialog manager, so that the default button and the selection follow as with Tab.
void CorrectionWindow::focusAndSelect(std::string_view control)
{
    const HWND box = m_controls.control(control);
    SendMessageW(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageW(box, EM_SETSEL, 0, -1);
}

void CorrectionWindow::showMessage(const run::Message& message)
{
    showMessageBox(m_dialog, message);
}

// Yes saves, No discards.
UnsavedAnswer CorrectionWindow::askAboutUnsaved(const run::Message& question)
{
    const int answer = MessageBoxW(m_dialog, run::wideText(question.text).c_str(),
                                   run::wideText(question.title).c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    return answer == IDYES ? UnsavedAnswer::Save : answer == IDNO ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
}

void CorrectionWindow::closeWindow()
{
    EndDialog(m_dialog, 0);
}

} // namespace quillon::ui::win32
