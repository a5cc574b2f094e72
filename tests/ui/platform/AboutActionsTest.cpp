// The About box's actions against a scripted platform: the registry read, the system-information launcher and the
// web link, with every outcome.
#include "tests/ui/platform/FakeRegistryAndShell.h"
#include "tests/ui/platform/RegistryCases.h"
#include "ui/platform/RegistryValue.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <gtest/gtest.h>
#include <optional>

namespace quillon::ui::platform {
namespace {

using tests::FakeRegistryAndShell;
using Value = FakeRegistryAndShell::Value;

// The key is closed on every path, and asked for reading only.
TEST(AboutActionsTest, GetKeyValue)
{
    for (const auto& c : tests::registryCases()) {
        SCOPED_TRACE(c.name);
        FakeRegistryAndShell platform;
        platform.registry["KEY"]["OTHER"] = Value{};
        if (c.type != 0) {
            platform.registry["KEY"]["VALUE"] = Value{c.type, c.stored};
        }
        std::string keyVal = "before";
        EXPECT_EQ(GetKeyValue(platform, kHkeyLocalMachine, "KEY", "VALUE", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
        EXPECT_EQ(platform.closes, 1);
        EXPECT_EQ(platform.accessAsked, std::vector<std::uint32_t>{kKeyRead});
    }
    FakeRegistryAndShell platform;
    std::string keyVal = "before";
    EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, "KEY", "VALUE", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(platform.closes, 1);
}

// The first place is taken as it is, without trying the second, which names the folder of MSINFO32.EXE.
TEST(AboutActionsTest, StartSysInfo)
{
    struct Case {
        const char* name;
        std::optional<Value> firstPlace;
        bool secondPlace;
        const char* program; // a file that exists and starts, if any
        std::vector<std::string> started;
        bool message;
    };
    const char* msinfo = "C:\\Tools\\MSINFO32.EXE";
    const Value hardinfo{kRegSz, std::string("/usr/bin/hardinfo\0", 18)};
    const Case cases[] = {
        {"first place good", hardinfo, true, "/usr/bin/hardinfo", {"/usr/bin/hardinfo"}, false},
        {"first place names a missing file", Value{kRegSz, "/nowhere"}, true, msinfo, {"/nowhere"}, true},
        {"first place of another type: an empty path", Value{kRegExpandSz, "x"}, true, msinfo, {""}, true},
        {"first place of zero bytes", Value{kRegSz, ""}, true, msinfo, {}, true},
        {"second place with the program", std::nullopt, true, msinfo, {msinfo}, false},
        {"second place without it", std::nullopt, true, nullptr, {}, true},
        {"neither place", std::nullopt, false, msinfo, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistryAndShell platform;
        if (c.firstPlace) {
            platform.registry[kSysInfoPathKey]["PATH"] = *c.firstPlace;
        }
        if (c.secondPlace) {
            platform.registry[kSysInfoFolderKey]["MSINFO"] = Value{kRegSz, std::string("C:\\Tools\0", 9)};
        }
        if (c.program != nullptr) {
            platform.programs.insert(c.program);
        }
        platform.record(StartSysInfo(platform));
        EXPECT_EQ(platform.started, c.started);
        EXPECT_EQ(platform.keysAsked.size(), c.firstPlace ? 1U : 2U);
        EXPECT_EQ(platform.shown, c.message ? "Quillon: System Information Is Unavailable At This Time [0]\n" : "");
    }
}

// Whatever the outcome, the temporary document that found the browser is gone afterwards.
TEST(AboutActionsTest, WebLink)
{
    struct Case {
        const char* name;
        std::string browser;
        long browserStart;
        bool documentFails;
        std::string shown;
    };
    const std::string notFound = "Browser Not Found: Could not find associated Browser [48]\n";
    const Case cases[] = {
        {"browser starts", "/usr/bin/firefox", 42, false, ""},
        {"no browser", "", 42, false, notFound},
        {"browser fails to start", "/usr/bin/firefox", 2, false, "URL Failed: Web Page not Opened [48]\n"},
        {"no temporary document", "/usr/bin/firefox", 42, true, notFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistryAndShell platform;
        platform.browser = c.browser;
        platform.browserStart = c.browserStart;
        platform.temporaryDocumentFails = c.documentFails;
        platform.record(openWebPageThroughShell(platform, "https://example.org/"));
        EXPECT_TRUE(platform.documents.empty());
        EXPECT_EQ(platform.shown, c.shown);
        if (c.shown.empty()) {
            EXPECT_EQ(platform.opened,
                      (std::vector<std::pair<std::string, std::string>>{{"/usr/bin/firefox", "https://example.org/"}}));
        }
    }
}

} // namespace
} // namespace quillon::ui::platform
