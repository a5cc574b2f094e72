// Old outputs that the user changed, or that no run here has a record of writing, are kept beside the new ones; a
// read-only output refuses the run.
#include "run/ConversionRun.h"
#include "tests/run/FakeRunHost.h"
#include "tests/run/FaultyFileSystem.h"
#include "tests/run/FixedClock.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace quillon::run {
namespace {

using tests::readFile;
using tests::writeFile;

class KeptOutputsTest : public ::testing::Test
{
protected:
    KeptOutputsTest()
    {
        writeFile(folder.file("log.asc"), tests::logLine({"N0CALL", "20", "14.025", "SSB", "59", "57", "Bob", "", "",
                                                          "", "", "", "", "", "", "", "99-12-31", "1234"}) +
                                              tests::logLine({"", "20", "", "SSB", "", "", "", "", "", "", "", "", "",
                                                              "", "", "", "99-12-31", "1234"}));
    }

    std::vector<std::string> names()
    {
        auto names = files.namesIn(folder.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string read(const char* name) const { return readFile(folder.file(name)); }
    // The texts of the notes the window was shown by this run.
    std::vector<std::string> notesShown()
    {
        std::vector<std::string> texts;
        for (const auto& shown : host.messages) {
            texts.push_back(shown.message.text);
        }
        host.messages.clear();
        return texts;
    }

    tests::TempFolder folder;
    tests::FakeRunHost host{folder.path().string()};
    tests::FaultyFileSystem files;
    tests::FixedClock clock;
    LocaleNames localeNames;
    ConversionRun conversion{host, files, clock, localeNames};
};

// Each change is made to the outputs of the run before, then the log is converted again: a changed file, at any
// length, is kept under a name of its own that never overwrites an earlier one, and an untouched one is replaced.
TEST_F(KeptOutputsTest, ChangedOutputsAreKeptAndUntouchedOnesReplaced)
{
    conversion.start();
    const std::string log = read("log.adi");
    const std::string bad = read("bad.adi");
    ASSERT_NE(bad.find("*BAD* (Missing)"), std::string::npos);
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> keptNames; // and what each holds now
        std::vector<std::string> keptTexts;
    };
    const std::string corrected = [&] {
        std::string text = bad;
        return text.replace(text.find("*BAD* (Missing)"), 15, "K1ABC");
    }();
    const std::string oneByte = [&] {
        std::string text = bad;
        text[text.find("SSB")] = 'X';
        return text;
    }();
    const std::string stamp = "2026-12-05-2035";
    const Case cases[] = {
        {"untouched", [] {}, {}, {}},
        {"marker corrected by hand",
         [&] { writeFile(folder.file("bad.adi"), corrected); },
         {"bad.adi.edited-" + stamp},
         {corrected}},
        {"one byte changed, same length",
         [&] { writeFile(folder.file("bad.adi"), oneByte); },
         {"bad.adi.edited-" + stamp + "-2"},
         {oneByte}},
        {"both changed",
         [&] {
             writeFile(folder.file("bad.adi"), bad + "\r\n");
             writeFile(folder.file("log.adi"), log.substr(0, log.size() - 1));
         },
         {"bad.adi.edited-" + stamp + "-3", "log.adi.edited-" + stamp},
         {bad + "\r\n", log.substr(0, log.size() - 1)}},
    };
    std::vector<std::string> keptSoFar;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        notesShown();
        c.change();
        conversion.start();
        EXPECT_EQ(conversion.result().outcome, RunOutcome::Completed);
        EXPECT_EQ(read("bad.adi"), bad);
        EXPECT_EQ(read("log.adi"), log);
        std::vector<std::string> notes;
        for (std::size_t i = 0; i < c.keptNames.size(); ++i) {
            EXPECT_EQ(readFile(folder.file(c.keptNames[i])), c.keptTexts[i]);
            const std::string name = c.keptNames[i].substr(0, 7);
            notes.push_back(name + " was changed after Quillon wrote it, so it is kept as " + c.keptNames[i] +
                            " beside the new " + name + ".");
            keptSoFar.push_back(c.keptNames[i]);
        }
        ASSERT_EQ(conversion.result().notes.size(), notes.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            EXPECT_EQ(conversion.result().notes[i].text, notes[i]);
        }
        EXPECT_EQ(notesShown().size(), notes.empty() ? 0U : 1U) << "one box for all the notes";
        std::vector<std::string> expected = {".quillon-outputs", "bad.adi", "log.adi", "log.asc"};
        expected.insert(expected.end(), keptSoFar.begin(), keptSoFar.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names(), expected);
    }
}

// A user who deletes the record, or garbles it, loses nothing: the outputs no record vouches for are kept.
TEST_F(KeptOutputsTest, WithoutARecordTheOldOutputsAreKept)
{
    for (const char* record : {"", "garbled"}) {
        SCOPED_TRACE(record);
        tests::TempFolder dir;
        host.folder = dir.path().string();
        writeFile(dir.file("log.asc"), read("log.asc"));
        conversion.start();
        if (*record == '\0') {
            std::filesystem::remove(dir.file(".quillon-outputs"));
        } else {
            writeFile(dir.file(".quillon-outputs"), record);
        }
        const std::string log = readFile(dir.file("log.adi"));
        notesShown();
        conversion.start();
        EXPECT_EQ(readFile(dir.file("log.adi.kept-2026-12-05-2035")), log);
        ASSERT_EQ(conversion.result().notes.size(), 2U);
        EXPECT_EQ(conversion.result().notes[1].text,
                  "log.adi may hold your own work (Quillon has no record of writing it), so it is kept as "
                  "log.adi.kept-2026-12-05-2035 beside the new log.adi.");
        EXPECT_EQ(notesShown().size(), 1U);
        conversion.start();
        EXPECT_TRUE(conversion.result().notes.empty()) << "the new record vouches for the new outputs";
    }
}

// When a copy cannot be made, nothing is replaced and no copy is left: the run fails as any other that cannot
// write, and says where.
TEST_F(KeptOutputsTest, CopyThatCannotBeMadeKeepsTheOldOutputs)
{
    writeFile(folder.file("log.adi"), "old log");
    writeFile(folder.file("bad.adi"), "old bad, corrected by hand");
    files.failCreate.insert("log.adi.kept-2026-12-05-2035");
    conversion.start();
    EXPECT_EQ(conversion.result().outcome, RunOutcome::WriteFailed);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].message.title, "Cannot write LOG.ADI");
    EXPECT_EQ(host.messages[0].message.boxText(),
              "The file: " + folder.file("log.adi.kept-2026-12-05-2035") + " could not be written.\nPermission denied");
    EXPECT_EQ(read("log.adi"), "old log");
    EXPECT_EQ(read("bad.adi"), "old bad, corrected by hand");
    EXPECT_EQ(names(), (std::vector<std::string>{"bad.adi", "log.adi", "log.asc"}));
}

// A read-only output (chmod 444, the read-only attribute on Windows) stays as it is, read-only, and the run is
// refused before anything is written.
TEST_F(KeptOutputsTest, ReadOnlyOutputRefusesTheRun)
{
    namespace fs = std::filesystem;
    for (const char* name : {"log.adi", "bad.adi"}) {
        SCOPED_TRACE(name);
        writeFile(folder.file("log.adi"), "old log");
        writeFile(folder.file("bad.adi"), "old bad");
        fs::permissions(folder.file(name), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        notesShown();
        conversion.start();
        EXPECT_EQ(conversion.result().outcome, RunOutcome::OpenFailed);
        ASSERT_EQ(host.messages.size(), 1U);
        const std::string shown = name == std::string("log.adi") ? "LOG.ADI" : "BAD.ADI";
        EXPECT_EQ(host.messages[0].message.title, "Read-only " + shown);
        EXPECT_EQ(host.messages[0].message.text, "The file: " + folder.file(name) +
                                                     " is read-only, so it is not replaced, and nothing was converted. "
                                                     "Make it writable, or move it away, and convert again.");
        EXPECT_EQ(read("log.adi"), "old log");
        EXPECT_EQ(read("bad.adi"), "old bad");
        EXPECT_TRUE(files.isReadOnly(folder.file(name)));
        EXPECT_EQ(names(), (std::vector<std::string>{"bad.adi", "log.adi", "log.asc"}));
        fs::permissions(folder.file(name), fs::perms::owner_write, fs::perm_options::add);
    }
}

} // namespace
} // namespace quillon::run
