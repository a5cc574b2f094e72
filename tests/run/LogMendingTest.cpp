// Mending the log: only the corrected lines change, the original is kept once, and a failed save changes nothing.
#include "run/LogMending.h"

#include "run/SystemFileSystem.h"
#include "tests/run/FaultyFileSystem.h"
#include "tests/support/TestFiles.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quillon::run {
namespace {

using tests::readFile;
using tests::writeFile;

// A byte-order mark, every kind of line end, a quoted comma, a Latin-1 byte, a blank line and no last line end.
const std::string kLog = "\xEF\xBB\xBF"
                         "A1,20\r\n"
                         "B2,\"Smith, J\",caf\xE9\n"
                         "C3,40\r"
                         "\r\n"
                         "D4,80";

struct Mending : ::testing::Test {
    tests::TempFolder folder;
    std::string log = folder.file("log.asc");
    tests::FaultyFileSystem files;

    void SetUp() override { writeFile(log, kLog); }
    MendResult mend(const std::map<std::int64_t, std::string>& lines)
    {
        return mendLog(files, log, snapshotOf(readFile(log)), lines);
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST_F(Mending, ChangesOnlyTheCorrectedLines)
{
    const MendResult result = mend({{2, "B2,\"Jones, K\",caf\xE9"}, {5, "D4,75"}, {9, "past the end"}});
    EXPECT_TRUE(result.saved) << result.failure;
    EXPECT_EQ(readFile(log), "\xEF\xBB\xBF"
                             "A1,20\r\n"
                             "B2,\"Jones, K\",caf\xE9\n"
                             "C3,40\r"
                             "\r\n"
                             "D4,75");
    EXPECT_EQ(readFile(originalCopyPath(log)), kLog);
    EXPECT_EQ(names(), (std::vector<std::string>{"log.asc", "log.asc.original"}));
}

TEST_F(Mending, KeepsTheOriginalOfTheFirstCorrectionOnly)
{
    ASSERT_TRUE(mend({{1, "A1,15"}}).saved);
    const std::string afterFirst = readFile(log);
    ASSERT_TRUE(mend({{1, "A1,17"}}).saved);
    EXPECT_EQ(readFile(originalCopyPath(log)), kLog);
    EXPECT_NE(readFile(log), afterFirst);
    EXPECT_TRUE(readFile(log).starts_with("\xEF\xBB\xBF"
                                          "A1,17\r\n"));
}

TEST_F(Mending, RefusesALogThatChangedSinceItWasRead)
{
    const LogSnapshot asRead = snapshotOf(kLog);
    writeFile(log, kLog + "\n");
    const MendResult result = mendLog(files, log, asRead, {{1, "A1,15"}});
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.failure, "The log has changed on disk since its contacts were read, so it was not changed. "
                              "Convert again and correct the contacts anew.");
    EXPECT_EQ(readFile(log), kLog + "\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"log.asc"}));
}

struct Fault {
    const char* name;
    std::function<void(tests::FaultyFileSystem&)> inject;
    const char* failure;
    bool inOriginal = false; // the fault is met only when the original is copied
};

const Fault kFaults[] = {
    {"read-only folder", [](auto& f) { f.failCreate.insert("log.asc.original"); },
     "The log was not changed: its original could not be kept in log.asc.original.\nPermission denied", true},
    {"original cut short", [](auto& f) { f.writeLimit["log.asc.original"] = 3; },
     "The log was not changed: its original could not be kept in log.asc.original.\nNo space left on device", true},
    {"temporary not created", [](auto& f) { f.failCreate.insert("log.asc"); },
     "The log was not changed: the corrected log could not be written.\nPermission denied"},
    {"disk full", [](auto& f) { f.writeLimit["log.asc"] = 10; },
     "The log was not changed: the corrected log could not be written.\nNo space left on device"},
    {"sync fails", [](auto& f) { f.failSync.insert("log.asc"); },
     "The log was not changed: the corrected log could not be written.\nInput/output error"},
    {"close fails", [](auto& f) { f.failClose.insert("log.asc"); },
     "The log was not changed: the corrected log could not be written.\nInput/output error"},
    {"rename fails", [](auto& f) { f.failReplace.insert("log.asc"); },
     "The log was not changed: the corrected log could not be put in its place.\nDevice or resource busy"},
    {"log unreadable", [](auto& f) { f.inputUnreadable = true; },
     "The log could not be read again, so it was not changed.\nPermission denied"},
};

TEST_F(Mending, AFailedSaveChangesNothing)
{
    for (const Fault& fault : kFaults) {
        for (const bool copiedBefore : {false, true}) {
            if (copiedBefore && fault.inOriginal) {
                continue; // a kept original is not written again
            }
            SCOPED_TRACE(std::string(fault.name) + (copiedBefore ? ", original kept before" : ""));
            std::filesystem::remove(originalCopyPath(log));
            if (copiedBefore) {
                writeFile(originalCopyPath(log), "older");
            }
            tests::FaultyFileSystem faulty;
            fault.inject(faulty);
            const MendResult result = mendLog(faulty, log, snapshotOf(kLog), {{1, "A1,15"}});
            EXPECT_FALSE(result.saved);
            EXPECT_EQ(result.failure, fault.failure);
            EXPECT_EQ(readFile(log), kLog);
            const std::vector<std::string> expected = copiedBefore
                                                          ? std::vector<std::string>{"log.asc", "log.asc.original"}
                                                          : std::vector<std::string>{"log.asc"};
            EXPECT_EQ(names(), expected);
            if (copiedBefore) {
                EXPECT_EQ(readFile(originalCopyPath(log)), "older");
            }
            EXPECT_EQ(faulty.openFiles, 0);
        }
    }
}

// A folder the user may not write in, for real: root writes anywhere, so as root the save is tried by a child
// process that has become nobody first.
TEST_F(Mending, ARealReadOnlyFolderChangesNothing)
{
#ifdef _WIN32
    GTEST_SKIP() << "a folder's permissions are set otherwise on Windows";
#else
    std::filesystem::permissions(folder.path(), std::filesystem::perms{0555});
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        auto system = makeSystemFileSystem();
        const MendResult result = mendLog(*system, log, snapshotOf(kLog), {{1, "A1,15"}});
        _exit(!result.saved && result.failure == "The log was not changed: its original could not be kept in "
                                                 "log.asc.original.\nPermission denied"
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const bool refused = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(refused);
    EXPECT_EQ(readFile(log), kLog);
    EXPECT_EQ(names(), std::vector<std::string>{"log.asc"});
#endif
}

} // namespace
} // namespace quillon::run
