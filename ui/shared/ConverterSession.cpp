// The converter window's steps and the services it gives a conversion run.
#include "ui/shared/ConverterSession.h"

#include "engine/ProgramInfo.h"
#include "run/LogSurvey.h"
#include "run/RunInput.h"
#include "run/RunReport.h"
#include "run/RunTexts.h"

namespace quillon::ui {

namespace {

// The status label's short form of a run's result. The classic output, the program's own from the start, goes
// unnamed; an ADIF 3 run names its output there, where it stays once the box that says so is answered.
std::string runStatus(const run::RunResult& result, engine::AdifVersion written)
{
    const std::string text = run::shortResultText(result);
    if (written != engine::AdifVersion::Adif3 || text.empty()) {
        return text;
    }
    if (result.records == 0) {
        return "ADIF 3: none";
    }
    return "ADIF 3: " + (result.badRecords == 0 ? std::string("done") : std::to_string(result.badRecords) + " bad");
}

} // namespace

ConverterSession::ConverterSession(ConverterView& view, const forms::FolderPlaces& places, Settings& settings,
                                   forms::Pacing pacing)
    : m_view(view)
    , m_places(places)
    , m_settings(settings)
    , m_state(pacing)
    , m_run(*this)
{
}

void ConverterSession::useArguments(const forms::WindowArguments& arguments, const std::string& programFolder)
{
    setLogFolder(forms::chooseLogFolder(arguments.folder, programFolder, m_places), arguments.logFile);
}

void ConverterSession::setLogFolder(const std::string& folder, const std::string& logFile)
{
    m_logFolder = folder;
    m_logFile = logFile;
    showPaths();
}

void ConverterSession::Form_Load()
{
    m_caption = engine::mainCaption();
    m_view.setCaption(m_caption);
    m_view.enableControl("cbStart", m_state.startEnabled());
    setStatusText(run::kIdleStatus);
    m_view.selectOption(forms::kDefaultBandOption);
    selectRememberedLayout();
    readOptions();
    loadOutputChoices();
    showOutputChoices();
    showPaths();
}

void ConverterSession::Form_Unload()
{
    m_view.closeAboutBox();
    m_run.conversion().closeFiles();
}

void ConverterSession::option_Click(std::string_view control)
{
    readOptions();
    if (forms::isDateOption(control)) {
        dateOption_Click();
    }
}

void ConverterSession::dateOption_Click()
{
    m_state.dateOptionChosen();
    m_view.enableControl("cbStart", m_state.startEnabled());
    m_settings.setText(kDateLayoutSetting, std::string(engine::dateLayoutName(m_dateLayout)));
}

// The layout chosen at the last start is chosen again, so Start can be pressed at once; on a first start none is.
void ConverterSession::selectRememberedLayout()
{
    const auto layout = engine::dateLayoutFromName(m_settings.text(kDateLayoutSetting));
    for (const forms::DateOption& option : forms::kDateOptions) {
        if (layout == option.layout) {
            m_view.selectOption(option.control);
            m_state.dateOptionChosen();
            m_view.enableControl("cbStart", m_state.startEnabled());
        }
    }
}

// A press during a run is turned away by the run itself; a press before a date layout is chosen cannot happen in
// a window, whose Start is disabled then, and changes nothing. Afterwards the counter shows the exact final count,
// whatever redraws were skipped on the way, and the folder may be changed again.
void ConverterSession::cbStart_Click()
{
    if (!m_state.startEnabled() || (!isRunning() && !layoutConfirmed())) {
        return;
    }
    // A new run counts afresh: no count of an earlier run stays beside a run that is refused or stops.
    if (!isRunning()) {
        m_state.setRecordCount(0);
        m_state.takePendingCount();
        m_view.setControlText("Text1", "");
        m_runVersion = m_adifVersion; // the run takes it as it opens its files
    }
    m_view.enableMenuItem(forms::MenuCommand::OpenFolder, forms::ConverterState::openFolderEnabled(true));
    m_run.conversion().start();
    m_view.enableMenuItem(forms::MenuCommand::OpenFolder, forms::ConverterState::openFolderEnabled(isRunning()));
    showCount();
    if (!isRunning() && lastRun().outcome == run::RunOutcome::Completed && lastRun().records == 0) {
        m_view.setControlText("Text1", "0"); // a log without contacts was read to its end
    }
    showPaths();
    // Once the run is over, not from inside it, since correcting converts the log again.
    if (m_correctAfterRun && !isRunning()) {
        m_correctAfterRun = false;
        m_view.openCorrectionWindow();
    }
}

// Before anything is written: when another date layout reads clearly more of the log's dates than the chosen one,
// the user chooses between converting with that layout, with the chosen one anyway, or not at all (the old outputs
// stay). A log that changes layout part way gets no offer of one layout for it all.
bool ConverterSession::layoutConfirmed()
{
    const auto advice = run::checkDateLayout(m_run.files(), m_logFolder, m_logFile, m_dateLayout);
    if (!advice) {
        return true;
    }
    const std::string better(engine::dateLayoutName(advice->better));
    const std::string chosen(engine::dateLayoutName(advice->chosen));
    std::vector<std::string> answers;
    if (advice->switchLine == 0) {
        answers.push_back("Convert with " + better);
    }
    answers.push_back("Convert with " + chosen + " anyway");
    answers.emplace_back("Do not convert");
    run::Message question = advice->note;
    question.text += "\n\nConvert the log now?";
    question.style = run::MessageStyle::Exclamation;
    const std::size_t answer = m_view.askChoice(forms::titled(question), answers, answers.size() - 1);
    if (answer + 1 == answers.size()) {
        return false;
    }
    if (answers[answer].starts_with("Convert with " + better)) {
        for (const forms::DateOption& option : forms::kDateOptions) {
            if (option.layout == advice->better) {
                m_view.selectOption(option.control);
                option_Click(option.control);
            }
        }
    }
    return true;
}

// The chosen folder becomes the log folder, now and at the next start. The folder stays put while a run works in
// it, should the menu be reached anyway.
void ConverterSession::openFolder_Click()
{
    if (!forms::ConverterState::openFolderEnabled(isRunning())) {
        return;
    }
    const std::string chosen = m_view.askForFolder(m_logFolder);
    if (chosen.empty()) {
        return;
    }
    setLogFolder(m_places.clean(chosen));
    m_settings.setText(kLogFolderSetting, m_logFolder);
}

void ConverterSession::menu_Click(forms::MenuCommand command)
{
    if (command == forms::MenuCommand::OpenFolder) {
        openFolder_Click();
    } else if (command == forms::MenuCommand::StationCallsign) {
        askCallsign(m_adif3.stationCallsign, kStationCallsignSetting, "My Call Sign",
                    "Your call sign, which ADIF 3 writes into every record as STATION_CALLSIGN (empty for none):");
    } else if (command == forms::MenuCommand::OperatorCallsign) {
        askCallsign(m_adif3.operatorCallsign, kOperatorCallsignSetting, "Operator",
                    "The operator's call sign, when not the station's own, written as OPERATOR (empty for none):");
    }
    for (const forms::OutputChoice& choice : forms::kOutputChoices) {
        if (choice.command == command) {
            m_adifVersion = choice.version;
            m_settings.setText(kOutputSetting, std::string(engine::adifVersionName(choice.version)));
        }
    }
    for (const forms::CodePageChoice& choice : forms::kCodePageChoices) {
        if (choice.command == command) {
            m_adif3.codePage = choice.page;
            m_settings.setText(kCodePageSetting, std::string(engine::codePageName(choice.page)));
        }
    }
    showOutputChoices();
}

// What was kept from the last start; anything unreadable there leaves the default, the classic output.
void ConverterSession::loadOutputChoices()
{
    m_adifVersion = engine::adifVersionFromName(m_settings.text(kOutputSetting)).value_or(engine::AdifVersion::Classic);
    m_adif3.codePage = engine::codePageFromName(m_settings.text(kCodePageSetting)).value_or(m_adif3.codePage);
    m_adif3.stationCallsign = engine::normalisedCallsign(m_settings.text(kStationCallsignSetting));
    m_adif3.operatorCallsign = engine::normalisedCallsign(m_settings.text(kOperatorCallsignSetting));
}

void ConverterSession::showOutputChoices()
{
    for (const forms::OutputChoice& choice : forms::kOutputChoices) {
        m_view.checkMenuItem(choice.command, choice.version == m_adifVersion);
    }
    for (const forms::CodePageChoice& choice : forms::kCodePageChoices) {
        m_view.checkMenuItem(choice.command, choice.page == m_adif3.codePage);
    }
}

// An empty answer clears the call sign; one that is no call sign is refused with a word, and the old one kept.
void ConverterSession::askCallsign(std::string& callsign, std::string_view setting, const std::string& title,
                                   const std::string& prompt)
{
    const std::optional<std::string> answer = m_view.askText(title, prompt, callsign);
    if (!answer) {
        return;
    }
    const std::string normalised = engine::normalisedCallsign(*answer);
    if (normalised.empty() && answer->find_first_not_of(' ') != std::string::npos) {
        m_view.showMessage(forms::titled({"\"" + *answer + "\" is not a call sign: use letters, digits and / only.",
                                          title, run::MessageStyle::Exclamation}));
        return;
    }
    callsign = normalised;
    m_settings.setText(setting, callsign);
}

void ConverterSession::setStatusText(std::string_view text)
{
    m_view.setControlText("lblStatus", std::string(text));
}

// Called for every record: only remembered here, drawn when the window next handles its events.
void ConverterSession::setRecordCount(std::int64_t count)
{
    m_state.setRecordCount(count);
}

void ConverterSession::processPendingEvents()
{
    const forms::ConverterState::Stop stop = m_state.stop();
    if (stop.redrawCounter) {
        showCount();
    }
    if (stop.handleEvents) {
        m_view.processEvents();
    }
}

// The counter is brought up to date first, so a message about a bad record shows the records read before it.
void ConverterSession::showMessage(const run::Message& message)
{
    showCount();
    m_view.showMessage(forms::titled(message));
}

void ConverterSession::showRunResult(const run::RunResult& result)
{
    showCount();
    setStatusText(runStatus(result, m_runVersion));
    run::Message report = run::runReportMessage(result);
    if (m_runVersion == engine::AdifVersion::Adif3) {
        report.text += "\n\nWritten as ADIF 3 for today's logbooks.";
    }
    if (result.badRecords == 0) {
        m_view.showMessage(forms::titled(report));
        return;
    }
    // Contacts that need a look can be corrected at once.
    const std::vector<std::string> answers{"OK", std::string(kCorrectBadContacts)};
    m_correctAfterRun = m_view.askChoice(forms::titled(report), answers, 0) == 1;
}

void ConverterSession::readOptions()
{
    const auto selected = [this](std::string_view option) { return m_view.isOptionSelected(option); };
    m_dateLayout = forms::chosenDateLayout(selected);
    m_bandFormat = forms::chosenBandFormat(selected);
}

void ConverterSession::showCount()
{
    if (const auto count = m_state.takePendingCount()) {
        m_view.setControlText("Text1", std::to_string(*count));
    }
}

// The file labels keep their captions; their tool tips say where the files are.
void ConverterSession::showPaths()
{
    const run::RunInput input = run::chooseInput(m_run.files(), m_logFolder, m_logFile);
    const run::OutputNames outputs = run::outputNamesFor(m_logFile);
    const forms::FileToolTips tips = forms::fileToolTips(input, m_logFolder, outputs);
    m_view.setToolTip("Label1", tips.input);
    m_view.setToolTip("Label2", tips.output);
    const forms::FileLabels labels = forms::fileLabels(m_logFile, outputs);
    m_view.setControlText("Label1", labels.input);
    m_view.setControlText("Label2", labels.output);
}

} // namespace quillon::ui
