// The About box's actions against a scripted platform: the registry read, the system-information launcher and the
// web link, with every outcome.
#include "tests/ui/platform/FakePlatform.h"
#include "ui/platform/RegistryValue.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillon::ui::platform {
namespace {

using tests::FakePlatform;
using Value = FakePlatform::Value;

int closes(const FakePlatform& platform)
{
    return static_cast<int>(std::count_if(platform.calls.begin(), platform.calls.end(),
                                          [](const std::string& call) { return call.rfind("close", 0) == 0; }));
}

TEST(AboutActionsTest, GetKeyValue)
{
    struct Case {
        const char* name;
        std::optional<Value> value; // nothing: the key does not exist
        bool result;
        std::string keyVal; // "before" is what the caller passed in
    };
    const std::string kilobyte(1023, 'a');
    const Case cases[] = {
        {"text with its zero byte", Value{kRegSz, std::string("C:\\x\0", 5)}, true, "C:\\x"},
        {"text without a zero byte is used whole", Value{kRegSz, "C:\\x"}, true, "C:\\x"},
        {"of two zero bytes only the last is dropped", Value{kRegSz, std::string("ab\0\0", 4)}, true,
         std::string("ab\0", 3)},
        {"1024 bytes are read", Value{kRegSz, kilobyte + '\0'}, true, kilobyte},
        {"1025 bytes count as missing", Value{kRegSz, kilobyte + std::string("b\0", 2)}, false, ""},
        {"a number becomes its decimal text", Value{kRegDword, std::string("\x10\x27\0\0", 4)}, true, "10000"},
        {"another type leaves the text alone", Value{kRegExpandSz, std::string("%x%\0", 4)}, true, "before"},
        {"the key cannot be opened", std::nullopt, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        if (c.value) {
            platform.registry["KEY"]["VALUE"] = *c.value;
        }
        std::string keyVal = "before";
        EXPECT_EQ(GetKeyValue(platform, kHkeyLocalMachine, "KEY", "VALUE", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
        EXPECT_EQ(closes(platform), 1) << "the key is closed on every path";
        EXPECT_EQ(platform.accessAsked, std::vector<std::uint32_t>{kKeyRead});
    }
}

TEST(AboutActionsTest, GetKeyValueMissingValueAndZeroLength)
{
    FakePlatform platform;
    platform.registry["KEY"]["EMPTY"] = Value{kRegSz, ""};
    std::string keyVal = "before";
    EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, "KEY", "OTHER", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_THROW(GetKeyValue(platform, kHkeyLocalMachine, "KEY", "EMPTY", keyVal), RegistryValueError);
    EXPECT_EQ(closes(platform), 2);
}

TEST(AboutActionsTest, StartSysInfo)
{
    struct Case {
        const char* name;
        std::function<void(FakePlatform&)> setUp;
        std::vector<std::string> started;
        bool secondPlaceRead;
        bool message;
    };
    const auto firstPlace = [](Value value) {
        return [value](FakePlatform& p) { p.registry[kSysInfoPathKey]["PATH"] = value; };
    };
    const auto secondPlace = [](bool holdsProgram) {
        return [holdsProgram](FakePlatform& p) {
            p.registry[kSysInfoFolderKey]["MSINFO"] = Value{kRegSz, std::string("C:\\Tools\0", 9)};
            if (holdsProgram) {
                p.existingFiles.insert("C:\\Tools\\MSINFO32.EXE");
                p.startableFiles.insert("C:\\Tools\\MSINFO32.EXE");
            }
        };
    };
    const Case cases[] = {
        {"first place good",
         [&](FakePlatform& p) {
             firstPlace(Value{kRegSz, std::string("/usr/bin/hardinfo\0", 18)})(p);
             p.startableFiles.insert("/usr/bin/hardinfo");
         },
         {"/usr/bin/hardinfo"},
         false,
         false},
        {"first place names a missing file", firstPlace(Value{kRegSz, "/nowhere"}), {"/nowhere"}, false, true},
        {"first place of another type leaves an empty path", firstPlace(Value{kRegExpandSz, "x"}), {""}, false, true},
        {"first place of zero bytes", firstPlace(Value{kRegSz, ""}), {}, false, true},
        {"second place with the program", secondPlace(true), {"C:\\Tools\\MSINFO32.EXE"}, true, false},
        {"second place without it", secondPlace(false), {}, true, true},
        {"neither place", [](FakePlatform&) {}, {}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        c.setUp(platform);
        StartSysInfo(platform);
        EXPECT_EQ(platform.started, c.started);
        const bool secondRead =
            std::count(platform.calls.begin(), platform.calls.end(), std::string("open ") + kSysInfoFolderKey) > 0;
        EXPECT_EQ(secondRead, c.secondPlaceRead);
        ASSERT_EQ(platform.messages.size(), c.message ? 1U : 0U);
        if (c.message) {
            EXPECT_EQ(platform.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(platform.messages[0].title, "Quillon");
            EXPECT_EQ(platform.messages[0].style, run::MessageStyle::Plain);
        }
    }
}

TEST(AboutActionsTest, WebLink)
{
    struct Case {
        const char* name;
        std::string browser;
        long browserStart;
        bool documentFails;
        std::string title; // empty: no message
        std::string text;
    };
    const Case cases[] = {
        {"browser starts", "/usr/bin/firefox", 42, false, "", ""},
        {"no browser", "", 42, false, "Browser Not Found", "Could not find associated Browser"},
        {"browser fails to start", "/usr/bin/firefox", 2, false, "URL Failed", "Web Page not Opened"},
        {"no temporary document", "/usr/bin/firefox", 42, true, "Browser Not Found",
         "Could not find associated Browser"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        platform.browser = c.browser;
        platform.browserStart = c.browserStart;
        platform.temporaryDocumentFails = c.documentFails;
        Label2_Click(platform, "https://example.org/");
        EXPECT_TRUE(platform.documents.empty()) << "the temporary document is gone after every outcome";
        if (!c.documentFails) {
            EXPECT_EQ(platform.lastDocument.size(), 18U);
        }
        if (c.title.empty()) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(platform.opened,
                      (std::vector<std::pair<std::string, std::string>>{{"/usr/bin/firefox", "https://example.org/"}}));
            continue;
        }
        ASSERT_EQ(platform.messages.size(), 1U);
        EXPECT_EQ(platform.messages[0].title, c.title);
        EXPECT_EQ(platform.messages[0].text, c.text);
        EXPECT_EQ(platform.messages[0].style, run::MessageStyle::Exclamation);
    }
}

} // namespace
} // namespace quillon::ui::platform
