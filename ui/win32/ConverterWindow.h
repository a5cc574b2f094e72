// The converter window as a native Win32 window: the two option groups, Start, the counter and the status text,
// the File and Help menus, over the converter session that holds the window's logic.
#pragma once

#include "ui/shared/ConverterSession.h"
#include "ui/shared/ConverterView.h"
#include "ui/shared/forms/ConverterForm.h"
#include "ui/win32/FormControls.h"
#include "ui/win32/Places.h"

#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// The controls come from the converter form's rows and keep their names (cbStart, Text1); each event is forwarded
// to the session's handler of the same name.
class ConverterWindow : public ConverterView
{
public:
    ConverterWindow();
    ConverterWindow(const ConverterWindow&) = delete;
    ConverterWindow& operator=(const ConverterWindow&) = delete;
    ~ConverterWindow() override;

    ConverterSession& session() { return m_session; }
    // Creates and shows the window; false when Windows refuses.
    bool open(int showCommand);
    // Handles the window's events until it has closed; returns the exit status.
    int runMessageLoop();

    void setCaption(const std::string& text) override;
    void setControlText(std::string_view control, const std::string& text) override;
    void setToolTip(std::string_view control, const std::string& text) override;
    void enableControl(std::string_view control, bool enabled) override;
    void enableMenuItem(forms::MenuCommand command, bool enabled) override;
    void checkMenuItem(forms::MenuCommand command, bool checked) override;
    bool isOptionSelected(std::string_view control) const override;
    void selectOption(std::string_view control) override;
    std::string askForFolder(const std::string& start) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::size_t askChoice(const run::Message& question, const std::vector<std::string>& answers,
                          std::size_t escapeAnswer) override;
    void showMessage(const run::Message& message) override;
    void processEvents() override;
    void closeAboutBox() override;
    void openCorrectionWindow() override;

private:
    // Menu commands have ids from 1000 on, the controls from 100 on.
    static constexpr UINT menuId(forms::MenuCommand command) { return 1000 + static_cast<UINT>(command); }
    static constexpr int kFirstControlId = 100;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool dispatchTo(MSG& message);

    void About_Click();
    void command(int id, int notification);

    // ConverterWindowSetup.cpp: the window class, menus, accelerators, controls, tool tips and DPI.
    void buildMenu();
    void buildControls();
    void layOut(int dpi);
    HBRUSH colourControl(HDC dc, HWND control);

    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    HACCEL m_accelerators = nullptr;
    HWND m_toolTips = nullptr;
    HICON m_icons[2] = {};
    FormControls m_controls;
    WindowsFolderPlaces m_places;
    RegistrySettings m_settings;
    ConverterSession m_session;
};

} // namespace quillon::ui::win32
