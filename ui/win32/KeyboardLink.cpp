// The keys and the focus frame of a label that is a link.
#include "ui/win32/KeyboardLink.h"

#include <commctrl.h>

namespace quillon::ui::win32 {

namespace {

bool isPressKey(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

// The same notice a click sends, so that the parent handles both in one place.
void notifyClicked(HWND label)
{
    SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));
}

LRESULT CALLBACK linkProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter would otherwise press the dialog's default button, before the label ever saw it.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        const bool press = pending != nullptr && pending->message == WM_KEYDOWN && isPressKey(pending->wParam);
        return DefSubclassProc(label, message, wParam, lParam) | (press ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (isPressKey(wParam)) {
            notifyClicked(label);
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(label, nullptr, TRUE);
        break;
    case WM_PAINT:
        if (GetFocus() == label) {
            const LRESULT painted = DefSubclassProc(label, message, wParam, lParam);
            RECT client{};
            GetClientRect(label, &client);
            HDC dc = GetDC(label);
            DrawFocusRect(dc, &client);
            ReleaseDC(label, dc);
            return painted;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(label, linkProcedure, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

} // namespace

void makeKeyboardLink(HWND label)
{
    SetWindowSubclass(label, linkProcedure, 0, 0);
}

} // namespace quillon::ui::win32
