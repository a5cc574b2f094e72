// The About box as a Win32 dialog over the platform services of Windows.
#pragma once

#include "ui/platform/PlatformServices.h"
#include "ui/win32/FormControls.h"

#include <memory>
#include <optional>
#include <windows.h>

namespace quillon::ui::win32 {

// Modal over `owner`: made for every showing, so it loads afresh each time, and destroyed when it closes. Esc
// closes it; Enter presses OK unless "System Info..." has the focus.
class AboutDialog
{
public:
    // Returns once the box has closed.
    static void show(HWND owner);
    // Closes the box that is showing, as the converter window does when it closes; nothing when none is.
    static void closeShowing();

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label2_Click();

    void layOut(int dpi);
    void centreOnScreen();
    void paintRule();
    HBRUSH colourLabel(HDC dc, HWND label);

    HWND m_dialog = nullptr;
    FormControls m_controls;
    void showFailure(const std::optional<run::Message>& failure);

    std::unique_ptr<platform::PlatformServices> m_platform;
};

} // namespace quillon::ui::win32
