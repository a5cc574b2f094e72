// The converter window as a native Win32 window: the two option groups, Start, the counter and the status text,
// the File and Help menus, and the services it gives a conversion run.
#pragma once

#include "run/ConversionRun.h"
#include "run/LocaleNames.h"
#include "run/RunHost.h"
#include "run/SystemFileSystem.h"
#include "ui/forms/ConverterForm.h"
#include "ui/forms/ConverterState.h"
#include "ui/win32/FormControls.h"

#include <memory>
#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// The window holds no conversion logic: the run reads the option buttons for every record and writes the
// counter and the status text through the RunHost services. The controls come from the converter form's rows;
// they and their event handlers keep their historical names (cbStart, cbStart_Click, Form_Load).
class ConverterWindow : public run::RunHost
{
public:
    // `logFolder` holds log.asc and receives log.adi and bad.adi; `logFile` names another log there, or is empty.
    ConverterWindow(std::string logFolder, std::string logFile);
    ConverterWindow(const ConverterWindow&) = delete;
    ConverterWindow& operator=(const ConverterWindow&) = delete;
    ~ConverterWindow() override;

    // Creates and shows the window; false when Windows refuses.
    bool open(int showCommand);
    // Handles the window's events until it has closed; returns the exit status.
    int runMessageLoop();

    engine::DateLayout dateLayout() const override { return m_dateLayout; }
    engine::BandFormat bandFormat() const override { return m_bandFormat; }
    std::string caption() const override;
    std::string programFolder() const override { return m_logFolder; }
    std::string logFileName() const override { return m_logFile; }
    void setStatusText(std::string_view text) override;
    void setRecordCount(std::int64_t count) override;
    void processPendingEvents() override;
    void showMessage(const run::Message& message) override;

private:
    // Menu commands have ids from 1000 on, the controls from 100 on.
    static constexpr UINT menuId(forms::MenuCommand command) { return 1000 + static_cast<UINT>(command); }
    static constexpr int kFirstControlId = 100;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool dispatchTo(MSG& message);

    void Form_Load();
    void Form_Unload();
    void dateOption_Click();
    void cbStart_Click();
    void About_Click();
    void openFolder();
    void command(int id, int notification);
    void readOptions();
    void showCount();
    void showPaths();

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
    std::string m_logFolder;
    std::string m_logFile;
    forms::ConverterState m_state;
    engine::DateLayout m_dateLayout = engine::DateLayout::YyMmDd;
    engine::BandFormat m_bandFormat = engine::BandFormat::Meters;

    std::unique_ptr<run::FileSystem> m_files = run::makeSystemFileSystem();
    run::SystemClock m_clock;
    run::LocaleNames m_names;
    run::ConversionRun m_run;
};

} // namespace quillon::ui::win32
