// The About box's controls from the About form, its etched rule, its place on the screen and its handlers.
#include "ui/win32/AboutDialog.h"

#include "engine/ProgramInfo.h"
#include "run/WideText.h"
#include "ui/shared/forms/AboutForm.h"
#include "ui/win32/Messages.h"
#include "ui/win32/Resources.h"

#include <cmath>

namespace quillon::ui::win32 {

namespace {

constexpr int kFirstId = 100;
constexpr DWORD kStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
HWND g_showing = nullptr;

// An empty dialog template: the controls are made from the form's rows once the dialog exists.
struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
    WORD points = 8;
    wchar_t face[14] = L"MS Sans Serif";
};

int pixels(double twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / forms::kTwipsPerInch));
}

double twips(int pixels, int dpi)
{
    return static_cast<double>(pixels) * forms::kTwipsPerInch / dpi;
}

} // namespace

void AboutDialog::show(HWND owner)
{
    Template empty{};
    empty.header.style = kStyle;
    AboutDialog box;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, procedure, reinterpret_cast<LPARAM>(&box));
}

void AboutDialog::closeShowing()
{
    if (g_showing != nullptr) {
        EndDialog(g_showing, IDCANCEL);
    }
}

INT_PTR CALLBACK AboutDialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<AboutDialog*>(lParam)->m_dialog = dialog;
    }
    auto* box = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return box == nullptr ? FALSE : box->handle(message, wParam, lParam);
}

INT_PTR AboutDialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_showing = m_dialog;
        m_platform = platform::makeNativePlatform(m_dialog);
        m_controls.create(m_dialog, forms::aboutControls(), static_cast<int>(GetDpiForWindow(m_dialog)), kFirstId);
        SendMessageW(m_controls.control("cmdOK"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        SendMessageW(m_dialog, DM_SETDEFID, static_cast<WPARAM>(m_controls.idOf("cmdOK")), 0);
        Form_Load();
        SetFocus(m_controls.control("cmdOK"));
        return FALSE; // the focus is set
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL || id == m_controls.idOf("cmdOK")) {
            cmdOK_Click();
        } else if (id == m_controls.idOf("cmdSysInfo")) {
            cmdSysInfo_Click();
        } else if (id == m_controls.idOf("Label2") && HIWORD(wParam) == STN_CLICKED) {
            Label2_Click();
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(colourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_controls.control("Label2")) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            SetWindowLongPtrW(m_dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        paintRule();
        return TRUE;
    case WM_DPICHANGED: {
        layOut(HIWORD(wParam));
        return TRUE;
    }
    case WM_DESTROY:
        g_showing = nullptr;
        return FALSE;
    default:
        break;
    }
    static_cast<void>(lParam);
    return FALSE;
}

// Centres the box on the whole screen, lines the author up under the description, and sets the texts.
void AboutDialog::Form_Load()
{
    layOut(static_cast<int>(GetDpiForWindow(m_dialog)));
    centreOnScreen();
    RECT description{};
    RECT author{};
    GetWindowRect(m_controls.control("lblDescription"), &description);
    GetWindowRect(m_controls.control("Label1"), &author);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&description), 2);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&author), 2);
    SetWindowPos(m_controls.control("Label1"), nullptr, description.left, author.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(m_dialog, run::wideText(forms::aboutCaption()).c_str());
    const std::string version =
        forms::versionLabelText(engine::kVersionMajor, engine::kVersionMinor, engine::kVersionRevision);
    SetWindowTextW(m_controls.control("lblVersion"), run::wideText(version).c_str());
}

// The inner area at its twips, the frame and caption around it.
void AboutDialog::layOut(int dpi)
{
    m_controls.layOut(dpi);
    sizeToInnerArea(m_dialog, forms::kAboutClientArea, kStyle, false, WS_EX_DLGMODALFRAME, dpi);
}

// The halving is done in twips, unrounded; only the position that results becomes whole pixels.
void AboutDialog::centreOnScreen()
{
    const int dpi = static_cast<int>(GetDpiForWindow(m_dialog));
    RECT outer{};
    GetWindowRect(m_dialog, &outer);
    const forms::Position centred =
        forms::centredPosition(twips(GetSystemMetrics(SM_CXSCREEN), dpi), twips(GetSystemMetrics(SM_CYSCREEN), dpi),
                               twips(outer.right - outer.left, dpi), twips(outer.bottom - outer.top, dpi));
    SetWindowPos(m_dialog, nullptr, pixels(centred.left, dpi), pixels(centred.top, dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The etched rule: a grey line with a white one, two pixels wide, just under it.
void AboutDialog::paintRule()
{
    const int dpi = static_cast<int>(GetDpiForWindow(m_dialog));
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_dialog, &paint);
    for (const forms::LineRow& line : forms::aboutLines()) {
        const int width = MulDiv(line.width, dpi, forms::kStandardDpi);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(line.colour.red, line.colour.green, line.colour.blue));
        const HGDIOBJ old = SelectObject(dc, pen);
        for (int row = 0; row < width; ++row) {
            const int y = forms::twipsToPixels(line.from.y, dpi) + row;
            MoveToEx(dc, forms::twipsToPixels(line.from.x, dpi), y, nullptr);
            LineTo(dc, forms::twipsToPixels(line.to.x, dpi), y);
        }
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    EndPaint(m_dialog, &paint);
}

// Labels in the colour their row gives, on the dialog's own background.
HBRUSH AboutDialog::colourLabel(HDC dc, HWND label)
{
    const forms::ControlRow* row = m_controls.rowOf(GetDlgCtrlID(label));
    if (row != nullptr && row->textColour != nullptr) {
        SetTextColor(dc, RGB(row->textColour->red, row->textColour->green, row->textColour->blue));
    }
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

void AboutDialog::cmdOK_Click()
{
    EndDialog(m_dialog, IDOK);
}

void AboutDialog::cmdSysInfo_Click()
{
    showFailure(m_platform->startSystemInfo());
}

void AboutDialog::Label2_Click()
{
    showFailure(m_platform->openWebPage(std::string(engine::kWebAddress)));
}

void AboutDialog::showFailure(const std::optional<run::Message>& failure)
{
    if (failure) {
        showMessageBox(m_dialog, *failure);
    }
}

} // namespace quillon::ui::win32
