// The user guide's window: a read-only edit box in a fixed-pitch font, the text from the program's resources.
#include "ui/win32/UserGuideWindow.h"

#include "run/WideText.h"
#include "ui/shared/forms/ConverterForm.h"
#include "ui/win32/Resources.h"

#include <algorithm>

namespace quillon::ui::win32 {

namespace {

constexpr const wchar_t* kGuideClass = L"QuillonUserGuide";
HWND g_guide = nullptr;

LRESULT CALLBACK guideProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        g_guide = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The guide is plain Latin-1 text.
std::wstring wideGuide()
{
    const std::string text = userGuideText();
    return std::wstring(text.begin(), text.end());
}

HWND makeGuide(HWND owner)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = guideProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kGuideClass;
    RegisterClassExW(&windowClass);
    // Fitted into the screen's free area and centred there, so no part of it hangs below a small screen.
    const UINT dpi = GetDpiForWindow(owner);
    RECT room{0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &room, 0);
    const int width =
        std::min(MulDiv(720, static_cast<int>(dpi), 96), static_cast<int>(room.right - room.left) * 9 / 10);
    const int height =
        std::min(MulDiv(600, static_cast<int>(dpi), 96), static_cast<int>(room.bottom - room.top) * 8 / 10);
    HWND guide = CreateWindowExW(0, kGuideClass, run::wideText(forms::kUserGuideTitle).c_str(), WS_OVERLAPPEDWINDOW,
                                 static_cast<int>(room.left + room.right - width) / 2,
                                 static_cast<int>(room.top + room.bottom - height) / 2, width, height, owner, nullptr,
                                 windowClass.hInstance, nullptr);
    HWND text = CreateWindowExW(0, L"EDIT", wideGuide().c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                    ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                0, 0, 0, 0, guide, nullptr, windowClass.hInstance, nullptr);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    RECT client{};
    GetClientRect(guide, &client);
    MoveWindow(text, 0, 0, client.right, client.bottom, FALSE);
    return guide;
}

} // namespace

std::string userGuideText()
{
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kUserGuideResource), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes == nullptr ? std::string() : std::string(bytes, SizeofResource(module, found));
}

bool closeGuideOnEscape(const MSG& message)
{
    if (g_guide == nullptr || message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE ||
        (message.hwnd != g_guide && !IsChild(g_guide, message.hwnd))) {
        return false;
    }
    DestroyWindow(g_guide);
    return true;
}

void showUserGuide(HWND owner)
{
    if (g_guide == nullptr) {
        g_guide = makeGuide(owner);
    }
    ShowWindow(g_guide, SW_SHOWNORMAL);
    SetForegroundWindow(g_guide);
}

} // namespace quillon::ui::win32
