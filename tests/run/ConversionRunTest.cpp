// Whole runs through a fake window: preambles, trailers, counter, status, failures and a user acting mid-run.
#include "run/ConversionRun.h"

#include "tests/run/FakeRunHost.h"
#include "tests/run/FaultyFileSystem.h"
#include "tests/run/FixedClock.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace quillon::run {
namespace {

using tests::crlfLines;
using tests::logLine;
using tests::readFile;
using tests::writeFile;

// What both files start with, then the two files' own lines.
const std::string kStamp = engine::mainCaption() + "\r\nConverter by Ambrel, ZELK\r\nEmail: ambrel.zelk@quillon.org\r\n"
                                                   "File converted on Saturday, Dec 5, 2026 at 20:35:37\r\n";
const std::string kLogPreamble = kStamp + "See file BAD.ADI for any problems with this conversion.\r\n<EOH>\r\n";
const std::string kBadPreamble = kStamp +
                                 "This file contains records with problems found by the conversion program.\r\n"
                                 "You will find the string *BAD* with each problem.\r\n"
                                 "These records were NOT included in the file LOG.ADI\r\n"
                                 "You may text edit this file and use it as an ADIF format import file.\r\n<EOH>\r\n";

// The preamble of the clean file of a log named otherwise than log.asc.
std::string logPreambleNaming(const std::string& badFile)
{
    return kStamp + "See file " + badFile + " for any problems with this conversion.\r\n<EOH>\r\n";
}

std::string cleanRecord(const std::string& date = "99-12-31")
{
    return logLine({"N0CALL", "20", "14.025", "SSB", "59", "57", "Bob", "nice qso", "291", "y", "n", "ma", "NA-123",
                    "Hampden", "5", "Springfield", date, "1234"});
}

std::string badRecord()
{
    return logLine(
        {"", "20", "14.025", "SSB", "59", "57", "Bob", "", "", "", "", "", "", "", "", "", "99-12-31", "1234"});
}

// What the system says of a folder opened as a file.
#ifdef _WIN32
const std::string kFolderAsInput = "Access denied.";
const std::string kFolderInTheWay = "A folder of that name is in the way.";
#else
const std::string kFolderAsInput = "Is a directory";
const std::string kFolderInTheWay = "Is a directory";
#endif

const std::string kCleanLine = "<QSO_DATE:8>19991231 <TIME_ON:4>1234 <CALL:6>N0CALL <BAND:3>20M <FREQ:6>14.025 "
                               "<MODE:3>SSB <RST_SENT:2>59 <RST_RCVD:2>57 <NAME:3>Bob <COMMENT:8>nice qso "
                               "<DXCC:3>291 <QSL_SENT:1>Y <QSL_RCVD:1>N <STATE:2>MA <IOTA:6>NA-123 "
                               "<CNTY:10>MA,Hampden <CQZ:1>5 <QTH:11>Springfield <EOR>\r\n";

std::string trailer(int count)
{
    return "\r\nNormal end of run - processed " + std::to_string(count) + " records.\r\n";
}

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

class ConversionRunTest : public ::testing::Test
{
protected:
    void writeInput(const std::string& content) { writeFile(folder.file("log.asc"), content); }
    std::string logAdi() const { return readFile(folder.file("log.adi")); }
    std::string badAdi() const { return readFile(folder.file("bad.adi")); }

    // The window is back to Ready with every file closed.
    void expectIdleAndClosed() const
    {
        EXPECT_FALSE(conversion.isRunning());
        EXPECT_EQ(host.status, "    ");
        EXPECT_EQ(files.openFiles, 0);
    }

    void expectOneMessage(const std::string& title, const std::string& text, const std::string& statusWhenShown) const
    {
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].message.title, title);
        if (!text.empty()) { // empty: checked by the caller
            EXPECT_EQ(host.messages[0].message.boxText(), text);
        }
        EXPECT_EQ(host.messages[0].message.style, MessageStyle::Stop);
        EXPECT_EQ(host.messages[0].statusWhenShown, statusWhenShown);
    }

    tests::TempFolder folder;
    tests::FakeRunHost host{folder.path().string()};
    tests::FaultyFileSystem files;
    tests::FixedClock clock;
    LocaleNames names;
    ConversionRun conversion{host, files, clock, names};
};

// An empty log is no failure, but the user is told that it holds no contacts.
TEST_F(ConversionRunTest, EmptyInputGivesPreamblesAndTrailersOnly)
{
    writeInput("");
    conversion.start();
    EXPECT_EQ(logAdi(), kLogPreamble + trailer(0));
    EXPECT_EQ(badAdi(), kBadPreamble + trailer(0));
    EXPECT_EQ(host.counter, -1) << "the counter keeps its value when no record is read";
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Processing.....", "    "}));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].message.text, "LOG.ASC holds no contacts, so LOG.ADI and BAD.ADI hold none.");
    EXPECT_EQ(host.messages[0].message.style, MessageStyle::Information);
    EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
    expectIdleAndClosed();
}

// Old outputs, longer than the new ones, are replaced whole.
TEST_F(ConversionRunTest, ThreeRecordsOneBad)
{
    writeFile(folder.file("log.adi"), repeated("old line\r\n", 5000));
    writeFile(folder.file("bad.adi"), repeated("old line\r\n", 5000));
    writeInput(cleanRecord() + badRecord() + cleanRecord());
    conversion.start();
    EXPECT_EQ(logAdi(), kLogPreamble + kCleanLine + kCleanLine + trailer(3));
    EXPECT_EQ(badAdi(), kBadPreamble +
                            "<QSO_DATE:8>19991231 <TIME_ON:4>1234 <CALL:5>*BAD* (Missing) <BAND:3>20M "
                            "<FREQ:6>14.025 <MODE:3>SSB <RST_SENT:2>59 <RST_RCVD:2>57 <NAME:3>Bob <EOR>\r\n" +
                            trailer(3));
    EXPECT_EQ(host.counter, 3);
    EXPECT_EQ(host.counterUpdates, 3);
    EXPECT_EQ(host.eventRounds, 4) << "once before each record, once before the files are put in place";
    EXPECT_EQ(conversion.result().logRecords, 2);
    EXPECT_EQ(conversion.result().badRecords, 1);
    expectIdleAndClosed();
}

// After a normal end, a layout that leaves dates bad where another reads them all is pointed out; each run counts
// its own dates.
TEST_F(ConversionRunTest, LayoutThatDoesNotFitIsPointedOutAfterTheRun)
{
    writeInput(cleanRecord("31-12-99") + cleanRecord("01-02-99"));
    host.layout = engine::DateLayout::MmDdYy;
    for (int run = 0; run < 2; ++run) {
        host.messages.clear();
        conversion.start();
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].message.text, "1 of 2 dates is not a real date as MM-DD-YY; DD-MM-YY reads all 2");
    }
    host.layout = engine::DateLayout::DdMmYy;
    host.messages.clear();
    conversion.start();
    EXPECT_TRUE(host.messages.empty());
}

// Only a log.asc that is not there is "missing"; one that is there but cannot be read says so, without waiting
// on a FIFO for a writer that never comes.
TEST_F(ConversionRunTest, MissingOrUnopenableInputLeavesOldOutputsAlone)
{
    const std::string path = folder.file("log.asc");
    const std::tuple<const char*, std::string, std::string> causes[] = {
        {"missing", "Missing LOG.ASC", ""},
        {"a folder", "Cannot read LOG.ASC", kFolderAsInput},
        {"a FIFO", "Cannot read LOG.ASC", "Not a regular file"},
        {"unopenable", "Cannot read LOG.ASC", "Permission denied"},
    };
    for (const auto& [cause, title, reason] : causes) {
        SCOPED_TRACE(cause);
        std::filesystem::remove_all(path);
        files.inputUnreadable = cause == std::string("unopenable");
        if (cause == std::string("a folder")) {
            std::filesystem::create_directory(path);
        } else if (cause == std::string("a FIFO")) {
#ifdef _WIN32
            continue; // no FIFOs in a Windows folder
#else
            ASSERT_EQ(mkfifo(path.c_str(), 0666), 0);
#endif
        } else if (files.inputUnreadable) {
            writeInput(cleanRecord());
        }
        writeFile(folder.file("log.adi"), "old log");
        writeFile(folder.file("bad.adi"), "old bad");
        host.messages.clear();
        conversion.start();
        expectOneMessage(title,
                         "The file: " + path +
                             (title == "Missing LOG.ASC" ? " doesn't exist." : " could not be read.\n" + reason),
                         "    ");
        EXPECT_EQ(logAdi(), "old log");
        EXPECT_EQ(badAdi(), "old bad");
        EXPECT_EQ(host.counter, -1);
        EXPECT_EQ(conversion.result().outcome, RunOutcome::OpenFailed);
        expectIdleAndClosed();
    }
}

// A log saved as LOG.ASC is found when there is no log.asc; two such names are ambiguous. Old outputs in another
// letter case give way to the new lower-case files.
TEST_F(ConversionRunTest, LogFoundWhateverItsLetterCase)
{
    struct Case {
        std::vector<std::string> inputs; // each holds one clean record, the first two
        std::string messageTitle;        // empty: the run completes
        std::vector<std::string> namesAfter;
    };
    // The old twins may hold the user's work, as no run here has a record of writing them: they are kept aside,
    // named as they were, or where letter case does not count (Windows) as the outputs they stand for.
    writeFile(folder.file("Probe"), "");
    const bool caseBlind = std::filesystem::exists(folder.file("PROBE"));
    std::filesystem::remove(folder.file("Probe"));
    const std::vector<std::string> kept = {".quillon-outputs",
                                           caseBlind ? "bad.adi.kept-2026-12-05-2035" : "Bad.Adi.kept-2026-12-05-2035",
                                           caseBlind ? "log.adi.kept-2026-12-05-2035" : "LOG.ADI.kept-2026-12-05-2035"};
    const auto with = [&kept](std::vector<std::string> names) {
        names.insert(names.begin(), kept.begin(), kept.end());
        std::sort(names.begin(), names.end());
        return names;
    };
    const Case cases[] = {
        {{"LOG.ASC"}, "", with({"LOG.ASC", "bad.adi", "log.adi"})},
        {{"log.asc", "LOG.ASC"}, "", with({"LOG.ASC", "bad.adi", "log.adi", "log.asc"})},
        {{"LOG.ASC", "Log.Asc"}, "Ambiguous LOG.ASC", {"Bad.Adi", "LOG.ADI", "LOG.ASC", "Log.Asc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.back());
        for (const auto& name : files.namesIn(folder.path().string())) {
            std::filesystem::remove(folder.path() / name);
        }
        for (const auto& name : c.inputs) {
            writeFile(folder.file(name), name == c.inputs.front() ? cleanRecord() + cleanRecord() : cleanRecord());
        }
        if (files.namesIn(folder.path().string()).size() < c.inputs.size()) {
            continue; // where letter case does not count (Windows), these names are one file
        }
        writeFile(folder.file("LOG.ADI"), "old");
        writeFile(folder.file("Bad.Adi"), "old");
        host.messages.clear();
        conversion.start();
        auto names = files.namesIn(folder.path().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.namesAfter);
        if (c.messageTitle.empty()) {
            EXPECT_EQ(conversion.result().records, 2);
            continue;
        }
        expectOneMessage(c.messageTitle,
                         "The files: " + folder.file("LOG.ASC") + " and " + folder.file("Log.Asc") +
                             " all stand for LOG.ASC. Rename or remove all but one.",
                         "    ");
    }
    // A log the user named is read whatever its name, and no other.
    writeFile(folder.file("1998.asc"), cleanRecord());
    host.logName = "1998.asc";
    conversion.start();
    EXPECT_EQ(conversion.result().records, 1);
}

// Two logs in one folder keep their outputs apart, and the messages and preambles name the files as they are.
TEST_F(ConversionRunTest, NamedLogsHaveOutputsOfTheirOwn)
{
    writeFile(folder.file("contest98.asc"), cleanRecord() + badRecord());
    writeFile(folder.file("contest99.asc"), cleanRecord());
    for (const char* log : {"contest98.asc", "contest99.asc"}) {
        host.logName = log;
        conversion.start();
        EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
    }
    EXPECT_EQ(readFile(folder.file("contest98.adi")), logPreambleNaming("contest98-bad.adi") + kCleanLine + trailer(2));
    EXPECT_EQ(crlfLines(readFile(folder.file("contest98-bad.adi")))[6],
              "These records were NOT included in the file contest98.adi");
    EXPECT_EQ(readFile(folder.file("contest99.adi")), logPreambleNaming("contest99-bad.adi") + kCleanLine + trailer(1));
    EXPECT_TRUE(host.messages.empty()) << "no kept file: each log's record vouches for its own outputs";
    EXPECT_FALSE(std::filesystem::exists(folder.file("log.adi")));

    host.logName = "contest00.asc";
    conversion.start();
    expectOneMessage("Missing contest00.asc", "The file: " + folder.file("contest00.asc") + " doesn't exist.", "    ");
}

// The title line is the caption as the window shows it.
TEST_F(ConversionRunTest, TwoRunsInARowDifferOnlyInTheTimestampAndCaption)
{
    writeInput(cleanRecord() + badRecord());
    conversion.start();
    const auto firstLog = crlfLines(logAdi());
    const auto firstBad = crlfLines(badAdi());
    clock.time.second = 59;
    host.captionText = "  Some other caption ";
    conversion.start();
    auto secondLog = crlfLines(logAdi());
    auto secondBad = crlfLines(badAdi());
    EXPECT_EQ(secondLog[3], "File converted on Saturday, Dec 5, 2026 at 20:35:59");
    for (auto* lines : {&secondLog, &secondBad}) {
        EXPECT_EQ((*lines)[0], host.captionText);
        (*lines)[0] = firstLog[0];
        (*lines)[3] = firstLog[3];
    }
    EXPECT_EQ(secondLog, firstLog);
    EXPECT_EQ(secondBad, firstBad);
    EXPECT_EQ(host.counter, 2);
    EXPECT_EQ(host.counterUpdates, 4);
}

// The folder holds the log, the old outputs (or what stands in their place) and nothing else: no temporary is
// left behind, whatever the run came to.
std::vector<std::string> namesIn(const tests::TempFolder& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<std::string> kLogAndOutputs = {"bad.adi", "log.adi", "log.asc"};
const std::vector<std::string> kLogOutputsAndRecord = {".quillon-outputs", "bad.adi", "log.adi", "log.asc"};

// Each case breaks one output at the opening: nothing is written, the old files stay, and a second press with
// the cause removed gives a normal run.
TEST_F(ConversionRunTest, OutputThatCannotBeWrittenAtTheOpeningIsNamedWithItsReason)
{
    using Breaker = std::function<void(const tests::TempFolder&, tests::FaultyFileSystem&)>;
    const auto folderNamed = [](const char* name) -> Breaker {
        return [name](const tests::TempFolder& dir, tests::FaultyFileSystem&) {
            std::filesystem::remove(dir.file(name));
            std::filesystem::create_directory(dir.file(name));
        };
    };
    struct Case {
        const char* name;
        Breaker breakIt;
        std::string file;
        std::string reason;
    };
    const Case cases[] = {
        {"log.adi is a folder", folderNamed("log.adi"), "log.adi", kFolderInTheWay},
        {"bad.adi is a folder", folderNamed("bad.adi"), "bad.adi", kFolderInTheWay},
        {"bad.adi cannot be created", [](auto&, auto& f) { f.failCreate.insert("bad.adi"); }, "bad.adi",
         "Permission denied"},
        {"log.adi preamble hits a full disk", [](auto&, auto& f) { f.writeLimit["log.adi"] = 40; }, "log.adi",
         "No space left on device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tests::TempFolder dir;
        host.folder = dir.path().string();
        host.messages.clear();
        files = tests::FaultyFileSystem{};
        writeFile(dir.file("log.asc"), cleanRecord());
        writeFile(dir.file("log.adi"), "old log");
        writeFile(dir.file("bad.adi"), "old bad");
        c.breakIt(dir, files);

        conversion.start();
        const std::string shownName = c.file == "log.adi" ? "LOG.ADI" : "BAD.ADI";
        expectOneMessage("Cannot write " + shownName,
                         "The file: " + dir.file(c.file) + " could not be written.\n" + c.reason, "    ");
        EXPECT_EQ(conversion.result().outcome, RunOutcome::OpenFailed);
        for (const auto& [name, old] : {std::pair{"log.adi", "old log"}, std::pair{"bad.adi", "old bad"}}) {
            if (std::filesystem::is_regular_file(dir.file(name))) {
                EXPECT_EQ(readFile(dir.file(name)), old);
            }
        }
        EXPECT_EQ(namesIn(dir), kLogAndOutputs);
        expectIdleAndClosed();

        std::filesystem::remove_all(dir.file(c.file));
        files = tests::FaultyFileSystem{};
        conversion.start();
        EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
        EXPECT_EQ(readFile(dir.file("log.adi")), kLogPreamble + kCleanLine + trailer(1));
    }
}

// A run that cannot finish leaves the old outputs byte for byte and no temporary, and says why.
TEST_F(ConversionRunTest, RunThatCannotFinishKeepsTheOldOutputs)
{
    // Enough lines for log.adi to pass its writer's buffer twice, so writes fail on the writing thread too.
    const int records = 2 * static_cast<int>((2 << 20) / kCleanLine.size());
    const std::string input = repeated(cleanRecord() + badRecord(), records / 2);
    const std::size_t fullLog = kLogPreamble.size() + kCleanLine.size() * records / 2 + trailer(records).size();
    struct Case {
        const char* name;
        std::function<void(tests::FaultyFileSystem&)> breakIt;
        const char* title;
        std::string text; // <dir> stands for the folder
        RunOutcome outcome;
    };
    const Case cases[] = {
        {"disk full among the records", [](auto& f) { f.writeLimit["log.adi"] = 100000; }, "Cannot write LOG.ADI",
         "The file: <dir>log.adi could not be written.\nNo space left on device", RunOutcome::WriteFailed},
        {"disk full in the trailer", [&](auto& f) { f.writeLimit["log.adi"] = fullLog - 5; }, "Cannot write LOG.ADI",
         "The file: <dir>log.adi could not be written.\nNo space left on device", RunOutcome::WriteFailed},
        {"bad.adi fails to reach the disk", [](auto& f) { f.failSync.insert("bad.adi"); }, "Cannot write BAD.ADI",
         "The file: <dir>bad.adi could not be written.\nInput/output error", RunOutcome::WriteFailed},
        {"log.adi fails to close", [](auto& f) { f.failClose.insert("log.adi"); }, "Cannot write LOG.ADI",
         "The file: <dir>log.adi could not be written.\nInput/output error", RunOutcome::WriteFailed},
        {"bad.adi cannot be put in place", [](auto& f) { f.failReplace.insert("bad.adi"); }, "Cannot write BAD.ADI",
         "The file: <dir>bad.adi could not be written.\nDevice or resource busy", RunOutcome::WriteFailed},
        {"log.asc cannot be read to its end", [](auto& f) { f.inputReadLimit = 5000; }, "Cannot read LOG.ASC",
         "The file: <dir>log.asc could not be read.\nInput/output error", RunOutcome::InputUnreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files = tests::FaultyFileSystem{};
        c.breakIt(files);
        host.messages.clear();
        writeInput(input);
        writeFile(folder.file("log.adi"), "old log");
        writeFile(folder.file("bad.adi"), "old bad, corrected by hand");
        conversion.start();
        std::string text = c.text;
        text.replace(text.find("<dir>"), 5, folder.file(""));
        expectOneMessage(c.title, text, "    ");
        EXPECT_EQ(conversion.result().outcome, c.outcome);
        EXPECT_EQ(logAdi(), "old log");
        EXPECT_EQ(badAdi(), "old bad, corrected by hand");
        EXPECT_EQ(namesIn(folder), kLogAndOutputs);
        expectIdleAndClosed();
    }
}

// The records before a record cut short are kept, without trailers, in place of the old files.
TEST_F(ConversionRunTest, ShortLastRecordStopsWithoutTrailers)
{
    std::string shortRecord = cleanRecord();
    shortRecord.erase(shortRecord.rfind(','));
    writeInput(cleanRecord() + badRecord() + shortRecord + "\r\n");
    conversion.start();
    expectOneMessage("Bad LOG.ASC File", "", "Processing.....");
    EXPECT_TRUE(host.messages[0].message.text.ends_with("The incomplete contact begins on line 3.\n"
                                                        "Line 3 holds 17 fields; the contacts after it are shifted."));
    EXPECT_EQ(logAdi(), kLogPreamble + kCleanLine);
    EXPECT_TRUE(badAdi().ends_with("<EOR>\r\n"));
    EXPECT_EQ(namesIn(folder), kLogOutputsAndRecord);
    EXPECT_EQ(host.counter, 2);
    EXPECT_EQ(conversion.result().outcome, RunOutcome::InputEndedInRecord);
    expectIdleAndClosed();
}

// After a normal end, whatever the user should look at comes in one box: the layout note and the shifted lines.
// (The shift puts QTH where the third contact's DATE belongs: a typo to every layout.)
TEST_F(ConversionRunTest, NotesAfterARunComeInOneBox)
{
    std::string longLine = cleanRecord("31-12-99");
    longLine.insert(longLine.size() - 2, ",extra");
    std::string shortLine = cleanRecord("01-02-99");
    shortLine.erase(shortLine.rfind(','));
    writeInput(cleanRecord("31-12-99") + longLine + shortLine + "\r\n" + cleanRecord("01-02-99"));
    host.layout = engine::DateLayout::MmDdYy;
    conversion.start();
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].message.title, "Check the conversion");
    EXPECT_EQ(host.messages[0].message.style, MessageStyle::Information);
    EXPECT_EQ(
        host.messages[0].message.text,
        "Check the date layout:\n3 of 4 dates are not real dates as MM-DD-YY; DD-MM-YY reads all 4 but the 1 that "
        "no layout reads\n\n"
        "Check the field counts:\nLine 2 holds 19 fields; the contacts after it are shifted.\n"
        "Line 3 holds 17 fields; the contacts after it are shifted.");
    EXPECT_EQ(conversion.result().records, 4);
}

TEST_F(ConversionRunTest, SecondStartDuringARunIsIgnored)
{
    writeInput(repeated(cleanRecord(), 5));
    host.onEvents = [this](std::int64_t count) {
        if (count == 2) {
            conversion.start();
        }
    };
    conversion.start();
    EXPECT_EQ(logAdi(), kLogPreamble + repeated(kCleanLine, 5) + trailer(5));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Processing.....", "    "}));
    expectIdleAndClosed();
}

// Closed among the records or while the finished files go to disk: the old files stay, and nothing more is shown.
TEST_F(ConversionRunTest, ClosingTheWindowDuringARunKeepsTheOldOutputs)
{
    for (const std::int64_t closedAt : {2, 5}) {
        SCOPED_TRACE(closedAt);
        writeInput(repeated(cleanRecord(), 5));
        writeFile(folder.file("log.adi"), "old log");
        writeFile(folder.file("bad.adi"), "old bad");
        host.statuses.clear();
        host.onEvents = [this, closedAt](std::int64_t count) {
            if (count == closedAt) {
                conversion.closeFiles();
            }
        };
        conversion.start();
        EXPECT_EQ(files.openFiles, 0);
        EXPECT_EQ(logAdi(), "old log");
        EXPECT_EQ(badAdi(), "old bad");
        EXPECT_EQ(namesIn(folder), kLogAndOutputs);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(host.statuses, std::vector<std::string>{"Processing....."}) << "no window call after the close";
        EXPECT_EQ(conversion.result().outcome, RunOutcome::Stopped);
        EXPECT_FALSE(conversion.isRunning());
    }
}

// A killed run's temporaries go with the next run in the folder; those of a run still writing stay.
TEST_F(ConversionRunTest, TemporariesOfAKilledRunAreRemovedByTheNext)
{
    writeInput(cleanRecord());
    for (const char* name : {"log.adi.~quillon-0badf00d", "bad.adi.~quillon-0badf00d"}) {
        writeFile(folder.file(name), "half a file");
        std::filesystem::last_write_time(folder.file(name),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    auto other = run::makeSystemFileSystem();
    const auto stillWriting = other->createForWriting(folder.file("log.adi.~quillon-5711a11e"));
    ASSERT_NE(stillWriting, nullptr);
    writeFile(folder.file("log.adi.~quillon"), "not one of ours");
    conversion.start();
    EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{".quillon-outputs", "bad.adi", "log.adi", "log.adi.~quillon",
                                                         "log.adi.~quillon-5711a11e", "log.asc"}));
}

} // namespace
} // namespace quillon::run

namespace quillon::run {
namespace {

// ADIF 3: the header fields after the free text, UTC from the run's clock; a short line kept whole in bad.adi without
// shifting the next contact; a folded name told of once, after the run.
TEST_F(ConversionRunTest, Adif3RunWritesHeaderFieldsAndKeepsAShortLineWhole)
{
    host.version = engine::AdifVersion::Adif3;
    host.adif3.codePage = engine::CodePage::Latin1;
    writeInput(logLine({"N0CALL", "20", "14.025"}) +
               logLine({"DL1MU", "20", "14.2", "SSB", "59", "59", "J\xFCrgen", "", "230", "", "", "", "", "", "14", "",
                        "99-12-31", "9:05"}));
    conversion.start();
    const std::string header =
        "<ADIF_VER:5>3.1.6\r\n<PROGRAMID:7>Quillon\r\n<PROGRAMVERSION:" + std::to_string(engine::versionText().size()) +
        ">" + engine::versionText() + "\r\n<CREATED_TIMESTAMP:15>20261205 193537\r\n<EOH>\r\n";
    const std::string logPreamble = kLogPreamble.substr(0, kLogPreamble.size() - 7) + header;
    EXPECT_EQ(logAdi(), logPreamble +
                            "<QSO_DATE:8>19991231 <TIME_ON:4>0905 <CALL:5>DL1MU <BAND:3>20M <FREQ:4>14.2 <MODE:3>SSB "
                            "<RST_SENT:2>59 <RST_RCVD:2>59 <NAME:6>Jurgen <DXCC:3>230 <CQZ:2>14 <EOR>\r\n" +
                            trailer(2));
    EXPECT_EQ(badAdi(), kBadPreamble.substr(0, kBadPreamble.size() - 7) + header +
                            "<APP_QUILLON_BAD_LINE:53>*BAD* line 1 holds 3 fields, not 18: N0CALL,20,14.025 <EOR>\r\n" +
                            trailer(2));
    EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
    EXPECT_EQ(conversion.result().badRecords, 1);
    ASSERT_EQ(conversion.result().notes.size(), 1U);
    EXPECT_EQ(conversion.result().notes[0].title, "Folded text");
    EXPECT_TRUE(conversion.result().oddLines.empty());
}

} // namespace
} // namespace quillon::run
