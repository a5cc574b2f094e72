// The correction window as a native Win32 dialog: the contact's fields with their labels and reasons, over the
// correction session that holds the window's logic.
#pragma once

#include "run/FileSystem.h"
#include "ui/shared/ConverterSession.h"
#include "ui/shared/CorrectionSession.h"
#include "ui/shared/CorrectionView.h"
#include "ui/win32/FormControls.h"

#include <map>
#include <set>
#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// Modal over `owner`, made for every showing. Its controls come from the correction form and keep their names
// (txtField1, lblReason1, txtLine); Page Down, Page Up and Ctrl+S in any control, Esc and the close box, the
// buttons and every box left or edited reach the session.
class CorrectionWindow : public CorrectionView
{
public:
    // Returns once the window has closed, or at once, with a message shown, when there is nothing to correct.
    static void show(HWND owner, ConverterSession& converter);

    void setControlText(std::string_view control, const std::string& text) override;
    std::string controlText(std::string_view control) const override;
    void showControl(std::string_view control, bool shown) override;
    void enableControl(std::string_view control, bool enabled) override;
    void setFailed(std::string_view control, bool failed) override;
    void focusAndSelect(std::string_view control) override;
    void showMessage(const run::Message& message) override;
    UnsavedAnswer askAboutUnsaved(const run::Message& question) override;
    void closeWindow() override;

private:
    CorrectionWindow(ConverterSession& converter, run::FileSystem& files);

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void initialise();
    void command(int id, int notification);
    HBRUSH colour(HDC dc, HWND control, bool edit);

    HWND m_dialog = nullptr;
    FormControls m_controls;
    CorrectionSession m_session;
    std::set<HWND> m_failed;
    // The bytes each box was given and the text it showed for them: a box left as it was gives its bytes back
    // exactly, whatever code page the log is written in.
    std::map<std::string, std::pair<std::string, std::wstring>, std::less<>> m_given;
    bool m_settingText = false; // the session sets a box: no edit of the user's
    HBRUSH m_failedBrush = nullptr;
};

} // namespace quillon::ui::win32
