// Making the Win32 converter window: its class and icon, its menus and accelerators, its controls from the
// converter form at the window's DPI, and the tool tips of the file labels.
#include "run/WideText.h"
#include "ui/shared/forms/ConverterForm.h"
#include "ui/win32/ConverterWindow.h"
#include "ui/win32/Resources.h"

#include <commctrl.h>
#include <vector>

namespace quillon::ui::win32 {

namespace {

constexpr const wchar_t* kWindowClass = L"QuillonConverter";
// No WS_CLIPCHILDREN: a group box paints only its frame and caption, and the window paints what lies inside.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

ACCEL acceleratorOf(forms::Shortcut shortcut, WORD id)
{
    switch (shortcut) {
    case forms::Shortcut::CtrlO:
        return {FVIRTKEY | FCONTROL, 'O', id};
    case forms::Shortcut::CtrlE:
        return {FVIRTKEY | FCONTROL, 'E', id};
    case forms::Shortcut::CtrlQ:
        return {FVIRTKEY | FCONTROL, 'Q', id};
    case forms::Shortcut::F1:
        return {FVIRTKEY, VK_F1, id};
    case forms::Shortcut::None:
        break;
    }
    return {};
}

HICON loadIcon(int size)
{
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
}

} // namespace

bool ConverterWindow::open(int showCommand)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(kIconResource));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    buildMenu();
    if (CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                        m_menu, windowClass.hInstance, this) == nullptr) {
        return false;
    }
    buildControls();
    m_session.Form_Load();
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(m_controls.control(forms::focusOrder(forms::converterControls()).front()));
    return true;
}

// The menu texts carry their shortcut after a tab, where Windows shows it right-aligned.
void ConverterWindow::buildMenu()
{
    m_menu = CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const forms::Menu& menu : forms::converterMenus()) {
        HMENU popup = CreatePopupMenu();
        for (const forms::MenuItem& item : menu.items) {
            if (item.separatorBefore) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            }
            std::string text(item.text);
            if (item.shortcut != forms::Shortcut::None) {
                text += '\t' + std::string(forms::shortcutText(item.shortcut));
                accelerators.push_back(acceleratorOf(item.shortcut, static_cast<WORD>(menuId(item.command))));
            }
            AppendMenuW(popup, MF_STRING, menuId(item.command), run::wideText(text).c_str());
        }
        AppendMenuW(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), run::wideText(menu.text).c_str());
    }
    m_accelerators = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

// The tool tips of "Input File:" and "Output File:" show the full paths, one to a line.
void ConverterWindow::buildControls()
{
    const int dpi = static_cast<int>(GetDpiForWindow(m_window));
    m_controls.create(m_window, forms::converterControls(), dpi, kFirstControlId);
    SendMessageW(m_controls.control(forms::kDefaultButton), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    m_toolTips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, 2000);
    for (const char* label : {"Label1", "Label2"}) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(m_controls.control(label));
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    layOut(dpi);
}

// The inner area at its twips, with the caption, frame and menu bar around it; the icons at the DPI's sizes.
void ConverterWindow::layOut(int dpi)
{
    m_controls.layOut(dpi);
    sizeToInnerArea(m_window, forms::kConverterClientArea, kStyle, true, WS_EX_CONTROLPARENT, dpi);
    const int sizes[2] = {GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)),
                          GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi))};
    for (int i = 0; i < 2; ++i) {
        HICON old = m_icons[i];
        m_icons[i] = loadIcon(sizes[i]);
        SendMessageW(m_window, WM_SETICON, i == 0 ? ICON_SMALL : ICON_BIG, reinterpret_cast<LPARAM>(m_icons[i]));
        if (old != nullptr) {
            DestroyIcon(old);
        }
    }
}

// The counter is a white box like any text box, although the user cannot type into it.
HBRUSH ConverterWindow::colourControl(HDC dc, HWND control)
{
    if (control == m_controls.control("Text1")) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace quillon::ui::win32
