// The converter window's logic with a fake view: the Start rule, the options the run reads, a second Start, a
// layout changed and the window closed mid-run, File > Open Folder, the counter's pacing and the messages.
#include "ui/shared/ConverterSession.h"

#include "tests/support/SampleLogs.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/shared/FakeConverterView.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quillon::ui {
namespace {

using tests::ambiguousLog;
using tests::FakePlaces;
using tests::FakeSettings;
using tests::FakeView;
using tests::TempFolder;

// The dates of the record lines of log.adi, then of bad.adi.
std::vector<std::string> recordDates(const std::filesystem::path& folder)
{
    std::vector<std::string> dates;
    for (const char* name : {"log.adi", "bad.adi"}) {
        for (const auto& line : tests::crlfLines(tests::readFile(folder / name))) {
            if (line.starts_with("<QSO_DATE:8>")) {
                dates.push_back(line.substr(12, 8) + (line.find("*BAD*") == std::string::npos ? "" : " bad"));
            }
        }
    }
    return dates;
}

class ConverterSessionTest : public testing::Test
{
protected:
    // No pacing unless a test asks for it: every record stops for events, so scripted actions land at a known
    // record.
    void open(forms::Pacing pacing = {{}, {}})
    {
        m_session = std::make_unique<ConverterSession>(m_view, m_places, m_settings, pacing);
        m_session->Form_Load();
        m_session->setLogFolder(m_folder.path().string());
    }
    void choose(std::string_view option)
    {
        m_view.selectOption(option);
        m_session->option_Click(option);
    }

    TempFolder m_folder;
    FakeView m_view;
    FakePlaces m_places;
    FakeSettings m_settings;
    std::unique_ptr<ConverterSession> m_session;
};

TEST_F(ConverterSessionTest, LoadsWaitingForADateLayout)
{
    open();
    EXPECT_EQ(m_view.caption, "Quillon by ZELK Version 1.0.5");
    EXPECT_EQ(m_session->caption(), m_view.caption);
    EXPECT_FALSE(m_view.enabled.at("cbStart"));
    EXPECT_EQ(m_view.texts.at("lblStatus"), "    ");
    EXPECT_EQ(m_view.selected, (std::set<std::string, std::less<>>{"bandMETERS"}));
    EXPECT_EQ(m_view.toolTips.at("Label1"), m_folder.file("log.asc"));

    // Start cannot be pressed yet; should the press come anyway, it writes nothing.
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(1));
    m_session->cbStart_Click();
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "log.adi"));
    choose("bandMHZ");
    choose("bandMETERS");
    EXPECT_FALSE(m_view.enabled.at("cbStart"));
    choose("dateOption3");
    EXPECT_TRUE(m_view.enabled.at("cbStart"));
}

// The run reads the options as the buttons show them when Start is pressed.
TEST_F(ConverterSessionTest, RunReadsTheChosenOptions)
{
    struct Case {
        std::vector<std::string_view> chosen;
        std::string date;
    };
    const Case cases[] = {
        {{"dateOption1"}, "20010203"},
        {{"dateOption2"}, "20030102"},
        {{"dateOption3"}, "20010302"},
        {{"dateOption4", "bandMHZ"}, "20030201 bad"},
        {{"bandMHZ", "bandMETERS", "dateOption2", "dateOption1"}, "20010203"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        open();
        tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(1));
        for (const std::string_view option : c.chosen) {
            choose(option);
        }
        m_session->cbStart_Click();
        EXPECT_EQ(recordDates(m_folder.path()), std::vector<std::string>{c.date});
    }
}

// Mid-run, a new layout applies from the next record, a second Start is turned away and no other folder can be
// chosen; afterwards the counter shows the final count and the folder can be changed again.
TEST_F(ConverterSessionTest, UserActsDuringARun)
{
    open();
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(4));
    choose("dateOption1");
    std::string statusDuring;
    bool openFolderDuring = true;
    // Events are handled before each record is read: the third round comes after two records.
    m_view.duringEvents = [&](int round) {
        if (round == 3) {
            choose("dateOption4");
            m_session->cbStart_Click();
            m_session->openFolder_Click(); // the menu is greyed; should it be reached anyway, nothing happens
            statusDuring = m_view.texts.at("lblStatus");
            openFolderDuring = m_view.menuEnabled.at(forms::MenuCommand::OpenFolder);
        }
    };
    m_session->cbStart_Click();
    EXPECT_EQ(statusDuring, "Processing.....");
    EXPECT_FALSE(openFolderDuring);
    EXPECT_TRUE(m_view.foldersAsked.empty());
    EXPECT_TRUE(m_view.menuEnabled.at(forms::MenuCommand::OpenFolder));
    EXPECT_EQ(m_view.texts.at("Text1"), "4");
    EXPECT_EQ(recordDates(m_folder.path()), (std::vector<std::string>{"20010203", "20010203", "20030201", "20030201"}));
    ASSERT_EQ(m_view.messages.size(), 1U); // the result of the first run alone
}

// Closing the window mid-run closes the About box and stops the run quietly; the old outputs stay.
TEST_F(ConverterSessionTest, ClosingMidRunKeepsTheOldOutputs)
{
    open();
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(4));
    tests::writeFile(m_folder.path() / "log.adi", "old");
    choose("dateOption1");
    m_view.duringEvents = [this](int round) {
        if (round == 3) {
            m_session->Form_Unload();
        }
    };
    m_session->cbStart_Click();
    EXPECT_EQ(m_view.aboutCloses, 1);
    EXPECT_FALSE(m_session->isRunning());
    EXPECT_EQ(m_session->lastRun().outcome, run::RunOutcome::Stopped);
    EXPECT_EQ(tests::readFile(m_folder.path() / "log.adi"), "old");
    EXPECT_TRUE(m_view.messages.empty());
    EXPECT_EQ(m_view.texts.at("Text1"), "2");
}

// A cancelled dialog changes nothing; a chosen folder is cleaned, becomes where the next run works and where the
// tool tips point, and is remembered for the next start.
TEST_F(ConverterSessionTest, OpenFolderChoosesAndRemembers)
{
    open();
    const TempFolder other;
    m_view.folderAnswers = {"", other.path().string() + "/"};
    m_session->openFolder_Click();
    EXPECT_EQ(m_session->logFolder(), m_folder.path().string());
    EXPECT_TRUE(m_settings.values.empty());
    m_session->openFolder_Click();
    EXPECT_EQ(m_view.foldersAsked, std::vector<std::string>(2, m_folder.path().string()));
    EXPECT_EQ(m_session->logFolder(), other.path().string());
    EXPECT_EQ(m_settings.text(kLogFolderSetting), other.path().string());
    EXPECT_EQ(m_view.toolTips.at("Label1"), other.file("log.asc"));
    EXPECT_EQ(m_view.toolTips.at("Label2"), other.file("log.adi") + "\n" + other.file("bad.adi"));

    tests::writeFile(other.path() / "LOG.ASC", ambiguousLog(2));
    choose("dateOption1");
    m_session->cbStart_Click();
    EXPECT_EQ(recordDates(other.path()).size(), 2U);
    EXPECT_EQ(m_view.toolTips.at("Label1"), other.file("LOG.ASC")); // the file read
}

// The command line names a folder, or a log in a folder; the session reads that log.
TEST_F(ConverterSessionTest, ArgumentsNameTheFolderAndTheLog)
{
    open();
    forms::WindowArguments arguments;
    arguments.folder = m_folder.path().string() + "/";
    arguments.logFile = "contest98.asc";
    m_session->useArguments(arguments, "/nowhere");
    EXPECT_EQ(m_session->logFolder(), m_folder.path().string());
    EXPECT_EQ(m_session->logFileName(), "contest98.asc");
    EXPECT_EQ(m_view.toolTips.at("Label1"), m_folder.file("contest98.asc"));
}

// However few redraws the pacing allows, the counter ends on the exact count and the status is blank again. Each
// run counts afresh: a log without records shows 0, and a run refused for want of a log shows no count at all.
TEST_F(ConverterSessionTest, CounterIsPacedAndEndsExact)
{
    open({std::chrono::hours(1), std::chrono::hours(1)});
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(2000));
    choose("dateOption1");
    m_view.duringEvents = [](int) {};
    m_session->cbStart_Click();
    EXPECT_EQ(m_view.eventRounds, 1);
    EXPECT_EQ(m_view.counterShown, (std::vector<std::string>{"", "2000"})); // cleared at Start, then the count
    tests::writeFile(m_folder.path() / "log.asc", "");
    m_session->cbStart_Click();
    EXPECT_EQ(m_view.texts.at("Text1"), "0");
    std::filesystem::remove(m_folder.path() / "log.asc");
    m_session->cbStart_Click();
    EXPECT_EQ(m_view.texts.at("Text1"), "");
    ASSERT_EQ(m_view.messages.size(), 3U); // two results, then the missing log
    EXPECT_EQ(m_view.messages[2].title, "Missing LOG.ASC");
}

// After every run that put its outputs in place, one box says what went where and what needs a look, with the
// notes, and the status label keeps the short form.
TEST_F(ConverterSessionTest, ResultOfEveryRunInOneBox)
{
    open();
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(3));
    choose("dateOption1");
    m_session->cbStart_Click();
    ASSERT_EQ(m_view.messages.size(), 1U);
    EXPECT_EQ(m_view.messages[0].title, "Conversion done");
    EXPECT_EQ(m_view.messages[0].text, "3 contacts: 3 to log.adi, 0 to bad.adi");
    EXPECT_EQ(m_view.texts.at("lblStatus"), "Done");

    // With contacts in bad.adi the box offers to correct them; Esc or OK does not, the offer taken opens the
    // correction window once the run is over.
    tests::writeFile(m_folder.path() / "log.asc", ambiguousLog(3) +
                                                      "N0CALL,20X,14.025,SSB,59,57,Bob,x,291,y,n,ma,NA-123,"
                                                      "Hampden,5,Springfield,01-02-03,1234\r\n");
    m_session->cbStart_Click();
    ASSERT_EQ(m_view.questions.size(), 1U);
    EXPECT_TRUE(m_view.questions[0].text.starts_with("4 contacts: 3 to log.adi, 1 to bad.adi\n"))
        << m_view.questions[0].text;
    EXPECT_EQ(m_view.answersOffered[0], (std::vector<std::string>{"OK", "Correct Bad Contacts\u2026"}));
    EXPECT_EQ(m_view.texts.at("lblStatus"), "Done: 1 bad");
    EXPECT_EQ(m_view.correctionWindows, 0);
    m_view.choice = 1;
    m_session->cbStart_Click();
    EXPECT_EQ(m_view.correctionWindows, 1);
    EXPECT_EQ(m_view.questions.size(), 2U);
    EXPECT_EQ(m_view.messages.size(), 1U);
}

// When another layout reads clearly more of the log's dates, Start asks before anything is written: the better
// layout is chosen and used, the chosen one is used anyway, or nothing is converted and the old outputs stay.
TEST_F(ConverterSessionTest, WrongLayoutIsQuestionedBeforeWriting)
{
    std::string log;
    for (int day = 13; day <= 28; ++day) { // real dates as MM-DD-YY only
        log += "N0CALL,20,14.025,SSB,59,57,Bob,x,291,y,n,ma,NA-123,Hampden,5,Springfield,07-" + std::to_string(day) +
               "-98,1234\r\n";
    }
    struct Case {
        const char* name;
        std::optional<std::size_t> answer;
        std::vector<std::string> outputs; // which files the run wrote; none when nothing was converted
        engine::DateLayout layoutAfter;
    };
    const Case cases[] = {
        {"the better layout", 0, {"log.adi", "bad.adi"}, engine::DateLayout::MmDdYy},
        {"the chosen one anyway", 1, {"log.adi", "bad.adi"}, engine::DateLayout::DdMmYy},
        {"not at all", 2, {}, engine::DateLayout::DdMmYy},
        {"the box closed with Esc", std::nullopt, {}, engine::DateLayout::DdMmYy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_view = FakeView();
        open();
        tests::writeFile(m_folder.path() / "log.asc", log);
        std::filesystem::remove(m_folder.path() / "log.adi");
        std::filesystem::remove(m_folder.path() / "bad.adi");
        choose("dateOption4");
        m_view.choice = c.answer;
        m_session->cbStart_Click();
        ASSERT_GE(m_view.questions.size(), 1U); // then the result, when bad.adi received contacts
        EXPECT_NE(m_view.questions[0].text.find("16 of 16 dates are not real dates as DD-MM-YY"), std::string::npos)
            << m_view.questions[0].text;
        EXPECT_EQ(
            m_view.answersOffered[0],
            (std::vector<std::string>{"Convert with MM-DD-YY", "Convert with DD-MM-YY anyway", "Do not convert"}));
        EXPECT_EQ(m_session->dateLayout(), c.layoutAfter);
        std::vector<std::string> written;
        for (const char* name : {"log.adi", "bad.adi"}) {
            if (std::filesystem::exists(m_folder.path() / name)) {
                written.emplace_back(name);
            }
        }
        EXPECT_EQ(written, c.outputs);
        if (!written.empty()) { // every date real under MM-DD-YY, none under DD-MM-YY
            const bool better = c.layoutAfter == engine::DateLayout::MmDdYy;
            EXPECT_EQ(recordDates(m_folder.path()).size(), better ? 16U : 0U);
        }
    }
}

// A log named on the command line stands in the labels with its own clean output.
TEST_F(ConverterSessionTest, NamedLogInTheLabels)
{
    open();
    EXPECT_EQ(m_view.texts.at("Label1"), " Input File:     log.asc");
    m_session->setLogFolder(m_folder.path().string(), "contest98.asc");
    EXPECT_EQ(m_view.texts.at("Label1"), " Input File: contest98.asc");
    EXPECT_EQ(m_view.texts.at("Label2"), "Output File: contest98.adi ");
    EXPECT_EQ(m_view.toolTips.at("Label2"), m_folder.file("contest98.adi") + "\n" + m_folder.file("contest98-bad.adi"));
}

// The layout chosen is chosen again at the next start, so Start can be pressed at once.
TEST_F(ConverterSessionTest, DateLayoutIsKeptForTheNextStart)
{
    open();
    choose("dateOption3");
    m_view = FakeView();
    open();
    EXPECT_TRUE(m_view.selected.contains("dateOption3"));
    EXPECT_TRUE(m_view.enabled.at("cbStart"));
    EXPECT_EQ(m_session->dateLayout(), engine::DateLayout::YyDdMm);
}

// The output and its choices show their checks, reach the run and are kept for the next start; a call sign is
// kept as ADIF writes it, and what is no call sign is refused with a word.
TEST_F(ConverterSessionTest, OutputChoicesAreCheckedAndKept)
{
    using forms::MenuCommand;
    open();
    EXPECT_EQ(m_session->adifVersion(), engine::AdifVersion::Classic);
    EXPECT_TRUE(m_view.menuChecked.at(MenuCommand::ClassicOutput));
    EXPECT_FALSE(m_view.menuChecked.at(MenuCommand::Adif3Output));
    EXPECT_TRUE(m_view.menuChecked.at(MenuCommand::CodePageWindows1252));
    m_session->menu_Click(MenuCommand::Adif3Output);
    m_session->menu_Click(MenuCommand::CodePageDos437);
    m_view.textAnswers = {" dl1abc/p ", "DL 1ABC!", std::nullopt, ""};
    m_session->menu_Click(MenuCommand::StationCallsign);
    m_session->menu_Click(MenuCommand::StationCallsign);
    m_session->menu_Click(MenuCommand::StationCallsign);
    EXPECT_EQ(m_session->adif3Options().stationCallsign, "DL1ABC/P");
    ASSERT_EQ(m_view.messages.size(), 1U);
    EXPECT_EQ(m_view.messages[0].text, "\"DL 1ABC!\" is not a call sign: use letters, digits and / only.");
    m_session->menu_Click(MenuCommand::OperatorCallsign);
    EXPECT_EQ(m_view.textsAsked.back(), "Operator: ");
    EXPECT_TRUE(m_view.menuChecked.at(MenuCommand::Adif3Output));
    EXPECT_FALSE(m_view.menuChecked.at(MenuCommand::ClassicOutput));
    EXPECT_TRUE(m_view.menuChecked.at(MenuCommand::CodePageDos437));
    EXPECT_FALSE(m_view.menuChecked.at(MenuCommand::CodePageWindows1252));

    m_view = FakeView();
    open(); // the next start
    EXPECT_EQ(m_session->adifVersion(), engine::AdifVersion::Adif3);
    EXPECT_EQ(m_session->adif3Options(), (engine::Adif3Options{engine::CodePage::Dos437, "DL1ABC/P", ""}));
    EXPECT_TRUE(m_view.menuChecked.at(MenuCommand::Adif3Output));
}

// The status label says which output the run wrote, and so does the box: the one chosen when Start was pressed,
// whatever is chosen during the run.
TEST_F(ConverterSessionTest, StatusNamesTheOutputTheRunWrote)
{
    using forms::MenuCommand;
    const std::string badContact =
        "N0CALL,20X,14.025,SSB,59,57,Bob,x,291,y,n,ma,NA-123,Hampden,5,Springfield,01-02-03,1234\r\n";
    struct Case {
        MenuCommand atStart;
        std::optional<MenuCommand> duringRun;
        std::string log;
        std::string status;
        bool adif3;
    };
    const Case cases[] = {
        {MenuCommand::ClassicOutput, {}, ambiguousLog(3), "Done", false},
        {MenuCommand::Adif3Output, {}, ambiguousLog(3), "ADIF 3: done", true},
        {MenuCommand::Adif3Output, {}, ambiguousLog(3) + badContact, "ADIF 3: 1 bad", true},
        {MenuCommand::Adif3Output, {}, "", "ADIF 3: none", true},
        {MenuCommand::ClassicOutput, MenuCommand::Adif3Output, ambiguousLog(3), "Done", false},
        {MenuCommand::Adif3Output, MenuCommand::ClassicOutput, ambiguousLog(3), "ADIF 3: done", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status + (c.duringRun ? ", switched during the run" : ""));
        m_view = FakeView();
        open();
        tests::writeFile(m_folder.path() / "log.asc", c.log);
        choose("dateOption1");
        m_session->menu_Click(c.atStart);
        m_view.duringEvents = [&](int round) {
            if (round == 2 && c.duringRun) {
                m_session->menu_Click(*c.duringRun);
            }
        };
        m_session->cbStart_Click();
        EXPECT_EQ(m_view.texts.at("lblStatus"), c.status);
        const bool headerOfAdif3 =
            tests::readFile(m_folder.path() / "log.adi").find("<ADIF_VER:5>3.1.6") != std::string::npos;
        EXPECT_EQ(headerOfAdif3, c.adif3);
        const std::vector<run::Message>& boxes = c.log.ends_with(badContact) ? m_view.questions : m_view.messages;
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text.ends_with("Written as ADIF 3 for today's logbooks."), c.adif3) << boxes[0].text;
    }
}

// A message comes after the counter is brought up to date, with the application title when it has none.
TEST_F(ConverterSessionTest, MessagesFollowTheCounterAndHaveATitle)
{
    open();
    m_session->setRecordCount(5);
    m_session->showMessage({"Hello", "", run::MessageStyle::Exclamation});
    m_session->showMessage({"Hello", "Missing LOG.ASC", run::MessageStyle::Stop});
    EXPECT_EQ(m_view.texts.at("Text1"), "5");
    ASSERT_EQ(m_view.messages.size(), 2U);
    EXPECT_EQ(m_view.messages[0].title, "Quillon");
    EXPECT_EQ(m_view.messages[1].title, "Missing LOG.ASC");
}

} // namespace
} // namespace quillon::ui
