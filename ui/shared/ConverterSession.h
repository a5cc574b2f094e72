// The converter window's logic, once for every front end: the run's wiring, the window's state and the steps of
// Start, a second Start, closing mid-run, File > Open Folder, the command line and the messages.
#pragma once

#include "run/RunHost.h"
#include "run/SystemRun.h"
#include "ui/shared/ConverterState.h"
#include "ui/shared/ConverterView.h"
#include "ui/shared/LogFolder.h"
#include "ui/shared/Settings.h"
#include "ui/shared/WindowArguments.h"

#include <string>

namespace quillon::ui {

// A front end builds its controls from the converter form, implements the view, and forwards each event to the
// handler of the same name here. The handlers keep their historical names (cbStart_Click, Form_Load), so behaviour
// can be matched to them at a glance.
// What the File menu and the result box call the correction window.
inline constexpr std::string_view kCorrectBadContacts = "Correct Bad Contacts\u2026";

class ConverterSession : public run::RunHost
{
public:
    // `places` cleans the folders the user picks; `settings` keeps the chosen folder.
    ConverterSession(ConverterView& view, const forms::FolderPlaces& places, Settings& settings,
                     forms::Pacing pacing = {});

    // Where the window converts: the folder or log named on the command line, else the first place of
    // forms::chooseLogFolder, from the program's own folder.
    void useArguments(const forms::WindowArguments& arguments, const std::string& programFolder);
    // Converts in `folder`, reading the log named `logFile` there, or log.asc when it is empty.
    void setLogFolder(const std::string& folder, const std::string& logFile = {});

    void Form_Load();
    // A run in its record loop sees its files closed and ends quietly; the close itself is never refused.
    void Form_Unload();
    // Any option button that became selected, by the mouse or the keyboard.
    void option_Click(std::string_view control);
    void dateOption_Click();
    void cbStart_Click();
    // File, Open Folder.
    void openFolder_Click();
    // A command of the menus that is not the front end's own (see forms::isFrontEndCommand).
    void menu_Click(forms::MenuCommand command);

    bool isRunning() const { return m_run.conversion().isRunning(); }
    const run::RunResult& lastRun() const { return m_run.conversion().result(); }

    engine::DateLayout dateLayout() const override { return m_dateLayout; }
    engine::BandFormat bandFormat() const override { return m_bandFormat; }
    engine::AdifVersion adifVersion() const override { return m_adifVersion; }
    engine::Adif3Options adif3Options() const override { return m_adif3; }
    std::string caption() const override { return m_caption; }
    std::string logFolder() const override { return m_logFolder; }
    std::string logFileName() const override { return m_logFile; }
    void setStatusText(std::string_view text) override;
    void setRecordCount(std::int64_t count) override;
    void processPendingEvents() override;
    void showMessage(const run::Message& message) override;
    // After a run that put its outputs in place: what went where, what needs a look and every note, in one box,
    // and the short form in the status label.
    void showRunResult(const run::RunResult& result) override;

private:
    bool layoutConfirmed();
    void readOptions();
    void selectRememberedLayout();
    void loadOutputChoices();
    void showOutputChoices();
    void askCallsign(std::string& callsign, std::string_view setting, const std::string& title,
                     const std::string& prompt);
    void showCount();
    void showPaths();

    ConverterView& m_view;
    const forms::FolderPlaces& m_places;
    Settings& m_settings;
    forms::ConverterState m_state;
    std::string m_caption;
    std::string m_logFolder;
    std::string m_logFile; // empty: log.asc
    // The options as the buttons show them, read again whenever one is chosen, so the run need not ask the
    // toolkit for every record.
    engine::DateLayout m_dateLayout = engine::DateLayout::YyMmDd;
    engine::BandFormat m_bandFormat = engine::BandFormat::Meters;
    // The output and its choices, kept from one start to the next; a run takes them when it opens its files.
    engine::AdifVersion m_adifVersion = engine::AdifVersion::Classic;
    engine::Adif3Options m_adif3;
    // The output of the run under way or the last one: a choice made during a run is for the next.
    engine::AdifVersion m_runVersion = engine::AdifVersion::Classic;
    bool m_correctAfterRun = false; // the result box was answered with Correct Bad Contacts
    run::SystemRun m_run;
};

} // namespace quillon::ui
