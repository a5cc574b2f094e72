// The Windows platform layer against the real registry, shell and files: values stored as UTF-16 read as UTF-8
// under the 1024-byte rule, program starts, ordinary files and the temporary document.
#include "ui/platform/WindowsPlatform.h"

#include "run/WideText.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/platform/RegistryCases.h"
#include "ui/platform/RegistryValue.h"
#include "ui/platform/WebLink.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quillon::ui::platform {
namespace {

// A key of the test's own under HKEY_CURRENT_USER, removed afterwards; the system-information keys are left alone.
class TestKey
{
public:
    TestKey() { RegCreateKeyExW(HKEY_CURRENT_USER, kName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr); }
    ~TestKey()
    {
        RegCloseKey(m_key);
        RegDeleteTreeW(HKEY_CURRENT_USER, kName);
    }
    void set(const std::wstring& name, DWORD type, const void* data, std::size_t size)
    {
        RegSetValueExW(m_key, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    }
    static constexpr const wchar_t* kName = L"Software\\QuillonTest";
    static constexpr std::uint32_t kRoot = 0x80000001; // HKEY_CURRENT_USER

private:
    HKEY m_key = nullptr;
};

// Text is stored as UTF-16 and read as UTF-8, the 1024-byte room measured on the UTF-8 bytes.
TEST(WindowsPlatformTest, GetKeyValue)
{
    for (const auto& c : tests::registryCases()) {
        SCOPED_TRACE(c.name);
        TestKey key;
        const std::wstring wide = run::wideText(c.stored);
        if (c.type == REG_DWORD) {
            key.set(L"VALUE", c.type, c.stored.data(), c.stored.size());
        } else if (c.type != 0) {
            key.set(L"VALUE", c.type, wide.data(), wide.size() * sizeof(wchar_t));
        }
        WindowsPlatform platform;
        std::string keyVal = "before";
        EXPECT_EQ(GetKeyValue(platform, TestKey::kRoot, "Software\\QuillonTest", "VALUE", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
    }
    TestKey key;
    key.set(L"EMPTY", REG_SZ, L"", 0);
    WindowsPlatform platform;
    std::string keyVal;
    EXPECT_FALSE(GetKeyValue(platform, TestKey::kRoot, "Software\\QuillonTest\\Missing", "VALUE", keyVal));
    EXPECT_THROW(GetKeyValue(platform, TestKey::kRoot, "Software\\QuillonTest", "EMPTY", keyVal), RegistryValueError);
}

TEST(WindowsPlatformTest, FilesAndPrograms)
{
    tests::TempFolder folder;
    tests::writeFile(folder.path() / "plain.exe", "");
    tests::writeFile(folder.path() / "hidden.exe", "");
    SetFileAttributesW((folder.path() / "hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WindowsPlatform platform;
    EXPECT_TRUE(platform.fileExists(folder.file("plain.exe")));
    EXPECT_FALSE(platform.fileExists(folder.file("hidden.exe")));
    EXPECT_FALSE(platform.fileExists(folder.path().string()));
    EXPECT_FALSE(platform.fileExists(folder.file("missing.exe")));

    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_TRUE(platform.startProgram(run::utf8Text(system) + "\\hostname.exe"));
    EXPECT_FALSE(platform.startProgram(folder.file("missing.exe")));
    EXPECT_FALSE(platform.startProgram(""));
    EXPECT_LE(platform.openWith(folder.file("missing.exe"), "https://example.org/"), kShellSuccessAbove);
}

TEST(WindowsPlatformTest, TemporaryDocumentIsWrittenExactlyAndDeleted)
{
    WindowsPlatform platform;
    const std::string document = platform.createTemporaryDocument(".HTM", kTemporaryDocument);
    ASSERT_FALSE(document.empty());
    EXPECT_TRUE(document.ends_with(".HTM"));
    EXPECT_EQ(tests::readFile(run::wideText(document)), kTemporaryDocument);
    std::string browser;
    if (platform.findExecutable(document, browser) > kShellSuccessAbove) {
        EXPECT_FALSE(browser.empty());
    }
    platform.deleteFile(document);
    EXPECT_FALSE(platform.fileExists(document));
    EXPECT_LE(platform.findExecutable(document, browser), kShellSuccessAbove) << "a missing document has no program";
}

} // namespace
} // namespace quillon::ui::platform
