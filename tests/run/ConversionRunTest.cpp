// Whole runs through a fake window: preambles, trailers, counter, status, failures and a user acting mid-run.
#include "run/ConversionRun.h"

#include "tests/run/FakeRunHost.h"
#include "tests/run/FaultyFileSystem.h"
#include "tests/run/FixedClock.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
            EXPECT_EQ(host.messages[0].message.text, text);
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

TEST_F(ConversionRunTest, EmptyInputGivesPreamblesAndTrailersOnly)
{
    writeInput("");
    conversion.start();
    EXPECT_EQ(logAdi(), kLogPreamble + trailer(0));
    EXPECT_EQ(badAdi(), kBadPreamble + trailer(0));
    EXPECT_EQ(host.counter, -1) << "the counter keeps its value when no record is read";
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Processing.....", "    "}));
    EXPECT_TRUE(host.messages.empty());
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
    EXPECT_EQ(host.eventRounds, 3);
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
        EXPECT_EQ(host.messages[0].message.text, "1 of 2 dates are not real dates as MM-DD-YY; DD-MM-YY reads all 2");
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
    const std::pair<const char*, std::string> causes[] = {
        {"missing", "Missing LOG.ASC"},
        {"a folder", "Cannot read LOG.ASC"},
        {"a FIFO", "Cannot read LOG.ASC"},
        {"unopenable", "Cannot read LOG.ASC"},
    };
    for (const auto& [cause, title] : causes) {
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
                         "The file: " + path + (title == "Missing LOG.ASC" ? " doesn't exist." : " could not be read."),
                         "    ");
        EXPECT_EQ(logAdi(), "old log");
        EXPECT_EQ(badAdi(), "old bad");
        EXPECT_EQ(host.counter, -1);
        EXPECT_EQ(conversion.result().outcome, RunOutcome::OpenFailed);
        expectIdleAndClosed();
    }
}

// A log saved as LOG.ASC is found when there is no log.asc; two such names are ambiguous. Old outputs go in
// whatever case they stand, so only the new lower-case files are left.
TEST_F(ConversionRunTest, LogFoundWhateverItsLetterCase)
{
    struct Case {
        std::vector<std::string> inputs; // each holds one clean record, the first two
        std::string messageTitle;        // empty: the run completes
        std::vector<std::string> namesAfter;
    };
    const Case cases[] = {
        {{"LOG.ASC"}, "", {"LOG.ASC", "bad.adi", "log.adi"}},
        {{"log.asc", "LOG.ASC"}, "", {"LOG.ASC", "bad.adi", "log.adi", "log.asc"}},
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
    EXPECT_EQ(host.counter, 2);
    EXPECT_EQ(conversion.result().outcome, RunOutcome::InputEndedInRecord);
    expectIdleAndClosed();
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

// Each case breaks one output file at one step of the opening; a second press with the cause removed must then
// give a normal run.
TEST_F(ConversionRunTest, OutputThatCannotBeReplacedIsNamedInTheMessage)
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
        bool oldLogKept;
        bool oldBadKept;
    };
    const Case cases[] = {
        {"log.adi is a folder", folderNamed("log.adi"), "log.adi", false, true},
        {"bad.adi is a folder", folderNamed("bad.adi"), "bad.adi", false, false},
        {"log.adi cannot be removed", [](auto&, auto& f) { f.failRemove.insert("log.adi"); }, "log.adi", true, true},
        {"bad.adi cannot be created", [](auto&, auto& f) { f.failCreate.insert("bad.adi"); }, "bad.adi", false, false},
        {"log.adi preamble hits a full disk", [](auto&, auto& f) { f.writeLimit["log.adi"] = 40; }, "log.adi", false,
         false},
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
        expectOneMessage("Cannot write " + shownName, "The file: " + dir.file(c.file) + " could not be written.",
                         "    ");
        EXPECT_EQ(conversion.result().outcome, RunOutcome::OpenFailed);
        EXPECT_EQ(readFile(dir.file("log.adi")) == "old log", c.oldLogKept);
        EXPECT_EQ(readFile(dir.file("bad.adi")) == "old bad", c.oldBadKept);
        expectIdleAndClosed();

        std::filesystem::remove_all(dir.file(c.file));
        files = tests::FaultyFileSystem{};
        conversion.start();
        EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
        EXPECT_EQ(readFile(dir.file("log.adi")), kLogPreamble + kCleanLine + trailer(1));
    }
}

TEST_F(ConversionRunTest, FullDiskOrFailedCloseStopsTheRunWithoutANormalEnd)
{
    // Enough lines for log.adi to pass its writer's buffer twice, so writes fail on the writing thread too.
    const int records = 2 * static_cast<int>((2 << 20) / kCleanLine.size());
    const std::string input = repeated(cleanRecord() + badRecord(), records / 2);
    const std::size_t fullLog = kLogPreamble.size() + kCleanLine.size() * records / 2 + trailer(records).size();
    struct Case {
        const char* name;
        std::function<void(tests::FaultyFileSystem&)> breakIt;
        const char* title;
        const char* file;
    };
    const Case cases[] = {
        {"disk full among the records", [](auto& f) { f.writeLimit["log.adi"] = 100000; }, "Cannot write LOG.ADI",
         "log.adi"},
        {"disk full in the trailer", [&](auto& f) { f.writeLimit["log.adi"] = fullLog - 5; }, "Cannot write LOG.ADI",
         "log.adi"},
        {"bad.adi fails to close", [](auto& f) { f.failClose.insert("bad.adi"); }, "Cannot write BAD.ADI", "bad.adi"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files = tests::FaultyFileSystem{};
        c.breakIt(files);
        host.messages.clear();
        writeInput(input);
        conversion.start();
        expectOneMessage(c.title, "The file: " + folder.file(c.file) + " could not be written.", "    ");
        EXPECT_EQ(conversion.result().outcome, RunOutcome::WriteFailed);
        if (c.file == std::string("log.adi")) {
            EXPECT_EQ(logAdi().find("Normal end of run"), std::string::npos);
            EXPECT_TRUE(logAdi().ends_with("\r\n")) << "the file ends on a whole line";
        }
        expectIdleAndClosed();
    }
}

TEST_F(ConversionRunTest, InputThatCannotBeReadToItsEndIsReported)
{
    writeInput(repeated(cleanRecord(), 10));
    files.inputReadLimit = cleanRecord().size() * 3 + 20;
    conversion.start();
    expectOneMessage("Cannot read LOG.ASC", "The file: " + folder.file("log.asc") + " could not be read.", "    ");
    EXPECT_EQ(conversion.result().outcome, RunOutcome::InputUnreadable);
    EXPECT_EQ(logAdi(), kLogPreamble + repeated(kCleanLine, 3));
    expectIdleAndClosed();
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

TEST_F(ConversionRunTest, ClosingTheWindowDuringARunEndsItQuietly)
{
    writeInput(repeated(cleanRecord(), 5));
    host.onEvents = [this](std::int64_t count) {
        if (count == 2) {
            conversion.closeFiles();
        }
    };
    conversion.start();
    EXPECT_EQ(files.openFiles, 0);
    EXPECT_EQ(logAdi(), kLogPreamble + repeated(kCleanLine, 2)) << "what was converted is kept, no trailer";
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.counterUpdates, 2);
    EXPECT_EQ(host.statuses, std::vector<std::string>{"Processing....."}) << "no window call after the close";
    EXPECT_EQ(conversion.result().outcome, RunOutcome::Stopped);
    EXPECT_FALSE(conversion.isRunning());
}

} // namespace
} // namespace quillon::run
