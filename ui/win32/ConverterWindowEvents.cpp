// The Win32 converter window's events: its window procedure, its message loop, and the events handled from inside
// a run.
#include "ui/win32/ConverterWindow.h"
#include "ui/win32/UserGuideWindow.h"

namespace quillon::ui::win32 {

void ConverterWindow::processEvents()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The window has closed; the loop in runMessageLoop ends on this message.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatchTo(message);
    }
}

int ConverterWindow::runMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatchTo(message);
    }
    return static_cast<int>(message.wParam);
}

// Esc in the user guide first, then the accelerators, then the dialog keys (Tab, the arrows within an option group,
// Enter for the default button, Alt and a letter).
bool ConverterWindow::dispatchTo(MSG& message)
{
    if (closeGuideOnEscape(message)) {
        return true;
    }
    if (IsWindow(m_window) && TranslateAcceleratorW(m_window, m_accelerators, &message)) {
        return true;
    }
    if (IsWindow(m_window) && IsDialogMessageW(m_window, &message)) {
        return true;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

LRESULT CALLBACK ConverterWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
        static_cast<ConverterWindow*>(created->lpCreateParams)->m_window = window;
    }
    auto* self = reinterpret_cast<ConverterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self == nullptr ? DefWindowProcW(window, message, wParam, lParam) : self->handle(message, wParam, lParam);
}

LRESULT ConverterWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID: // Enter, where the focus is on no push button, presses Start (IsDialogMessage asks)
        return MAKELRESULT(m_controls.idOf(forms::kDefaultButton), DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        layOut(HIWORD(wParam));
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return 0;
    }
    case WM_CLOSE:
        m_session.Form_Unload();
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

} // namespace quillon::ui::win32
