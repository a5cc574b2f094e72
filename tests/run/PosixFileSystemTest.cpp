// The real file operations: nothing written through a planted link, a write cut short by a full disk leaving the
// file on its last whole write, and no descriptor left open. (The run tests open a folder, a FIFO and a missing file
// through them.)
#include "run/PosixFileSystem.h"

#include "tests/support/TestFiles.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace quillon::run {
namespace {

TEST(PosixFileSystemTest, CreateRefusesAnythingAlreadyThere)
{
    tests::TempFolder folder;
    PosixFileSystem files;
    tests::writeFile(folder.file("target"), "precious");
    std::filesystem::create_symlink(folder.file("target"), folder.file("link"));
    std::filesystem::create_symlink(folder.file("nowhere"), folder.file("dangling"));

    EXPECT_EQ(files.createForWriting(folder.file("link")), nullptr);
    EXPECT_EQ(files.createForWriting(folder.file("dangling")), nullptr);
    EXPECT_TRUE(files.exists(folder.file("dangling")));
    EXPECT_EQ(tests::readFile(folder.file("target")), "precious");
    EXPECT_FALSE(std::filesystem::exists(folder.file("nowhere")));
}

// A file-size limit makes the kernel write part of a block and then fail, as a full disk does.
TEST(PosixFileSystemTest, WriteCutShortIsTakenBack)
{
    tests::TempFolder folder;
    PosixFileSystem files;
    auto file = files.createForWriting(folder.file("out"));
    ASSERT_NE(file, nullptr);

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool first = file->write(std::string(600, 'a'));
    const bool second = file->write(std::string(600, 'b'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_TRUE(file->close());
    EXPECT_EQ(tests::readFile(folder.file("out")), std::string(600, 'a'));
}

// A window converts again and again in one session, so every close gives its descriptor back.
TEST(PosixFileSystemTest, CloseGivesTheDescriptorBack)
{
    tests::TempFolder folder;
    PosixFileSystem files;
    const auto descriptors = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto before = descriptors();
    auto output = files.createForWriting(folder.file("out"));
    auto input = files.openForReading(folder.file("out"));
    ASSERT_TRUE(output && input);
    EXPECT_TRUE(output->close());
    input->close();
    EXPECT_EQ(descriptors(), before);
}

} // namespace
} // namespace quillon::run
