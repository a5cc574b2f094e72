// The Windows file operations: only ordinary files are input, nothing is created over what stands at a path, and
// bytes and UTF-8 paths reach the disk unchanged.
#include "run/WindowsFileSystem.h"

#include "run/PathText.h"
#include "run/WideText.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quillon::run {
namespace {

std::string readAll(InputFile& file)
{
    std::string content;
    char buffer[7];
    for (long count; (count = file.read(buffer, sizeof buffer)) > 0;) {
        content.append(buffer, static_cast<std::size_t>(count));
    }
    return content;
}

TEST(WindowsFileSystemTest, OnlyOrdinaryFilesAreInput)
{
    tests::TempFolder folder;
    tests::writeFile(folder.path() / "log.asc", "x");
    WindowsFileSystem files;
    EXPECT_NE(files.openForReading(folder.file("log.asc")), nullptr);
    for (const std::string& path : {folder.path().string(), folder.file("missing"), std::string("NUL")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(files.openForReading(path), nullptr);
    }
    EXPECT_TRUE(files.exists(folder.path().string()));
    EXPECT_FALSE(files.exists(folder.file("missing")));
}

TEST(WindowsFileSystemTest, CreateRefusesAnythingAlreadyThere)
{
    tests::TempFolder folder;
    tests::writeFile(folder.path() / "log.adi", "precious");
    std::filesystem::create_directory(folder.path() / "bad.adi");
    WindowsFileSystem files;
    EXPECT_EQ(files.createForWriting(folder.file("log.adi")), nullptr);
    EXPECT_EQ(files.createForWriting(folder.file("bad.adi")), nullptr);
    EXPECT_EQ(tests::readFile(folder.path() / "log.adi"), "precious");
    EXPECT_FALSE(files.remove(folder.file("bad.adi"))) << "a folder is not removed as a file";
}

// No CR is added before a line feed and a Ctrl-Z does not end the input, under a folder name outside ASCII.
TEST(WindowsFileSystemTest, BytesAndUtf8PathsPassUnchanged)
{
    tests::TempFolder folder;
    const std::string zurich = textFromPath(folder.path()) + "\\Z\xc3\xbcrich";
    std::filesystem::create_directory(pathFromText(zurich));
    const std::string path = zurich + "\\log.adi";
    const std::string bytes = "one\r\ntwo\n\x1a three\xe9\r\n";
    WindowsFileSystem files;
    auto output = files.createForWriting(path);
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->write(bytes));
    EXPECT_TRUE(output->close());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / L"Z\u00fcrich" / "log.adi"));
    auto input = files.openForReading(path);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(readAll(*input), bytes);
    input->close();
    EXPECT_TRUE(files.remove(path));
    EXPECT_FALSE(files.exists(path));
}

// The read-only attribute is the user's word that a file must stay as it is; a folder is never read-only here.
TEST(WindowsFileSystemTest, ReadOnlyAttributeIsSeen)
{
    tests::TempFolder folder;
    tests::writeFile(folder.path() / "log.adi", "x");
    const std::wstring path = wideText(folder.file("log.adi"));
    WindowsFileSystem files;
    EXPECT_FALSE(files.isReadOnly(folder.file("log.adi")));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(files.isReadOnly(folder.file("log.adi")));
    EXPECT_FALSE(files.isReadOnly(folder.file("missing")));
    EXPECT_FALSE(files.isReadOnly(folder.path().string()));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace quillon::run
