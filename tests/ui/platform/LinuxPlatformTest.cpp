// The About box's services on Linux, with stand-in programs on PATH that note how they were started.
#include "ui/platform/LinuxPlatform.h"

#include "tests/support/TestFiles.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace quillon::ui::platform {
namespace {

using tests::TempFolder;

// A program that writes its arguments to `noted` in the same folder.
void makeProgram(const TempFolder& bin, const std::string& name, bool runnable = true)
{
    tests::writeFile(bin.path() / name, "#!/bin/sh\necho \"" + name + " $*\" > '" + bin.file("noted") + "'\n");
    std::filesystem::permissions(bin.path() / name,
                                 runnable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
}

// What the program started wrote, once it has; empty when nothing came within a few seconds.
std::string noted(const TempFolder& bin)
{
    for (int wait = 0; wait < 100 && !std::filesystem::exists(bin.path() / "noted"); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(bin.path() / "noted") ? tests::readFile(bin.path() / "noted") : std::string();
}

class PathFor
{
public:
    explicit PathFor(const std::string& path)
        : m_old(std::getenv("PATH") == nullptr ? "" : std::getenv("PATH"))
    {
        setenv("PATH", path.c_str(), 1);
    }
    ~PathFor() { setenv("PATH", m_old.c_str(), 1); }

private:
    std::string m_old;
};

// The programs are tried in their order; one that may not be run is passed over, and with none the box says so.
TEST(LinuxPlatformTest, SystemInfo)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, bool>> programs; // name, runnable
        std::string started;                                // what the started program notes; empty: none
    };
    const Case cases[] = {
        {"the first found", {{"kinfocenter", true}, {"hardinfo", true}}, "hardinfo \n"},
        {"one that may not run is passed over",
         {{"hardinfo", false}, {"xfce4-taskmanager", true}},
         "xfce4-taskmanager \n"},
        {"none", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder bin;
        for (const auto& [name, runnable] : c.programs) {
            makeProgram(bin, name, runnable);
        }
        const PathFor path(":" + bin.path().string());
        const auto message = LinuxPlatform().startSystemInfo();
        EXPECT_EQ(message.has_value(), c.started.empty());
        if (message) {
            EXPECT_EQ(message->text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(message->title, "Quillon");
            EXPECT_EQ(message->style, run::MessageStyle::Plain);
        } else {
            EXPECT_EQ(noted(bin), c.started);
        }
    }
}

// The address goes to the desktop's opener as one argument, never through a shell.
TEST(LinuxPlatformTest, WebPage)
{
    const TempFolder bin;
    const PathFor path(bin.path().string());
    const auto missing = LinuxPlatform().openWebPage("https://example.org/");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->title, "Browser Not Found");
    EXPECT_EQ(missing->text, "Could not find associated Browser");

    makeProgram(bin, "xdg-open");
    EXPECT_FALSE(LinuxPlatform().openWebPage("https://example.org/?a=1;b=$HOME").has_value());
    EXPECT_EQ(noted(bin), "xdg-open https://example.org/?a=1;b=$HOME\n");
}

TEST(LinuxPlatformTest, StartDetachedSaysWhenNothingStarted)
{
    const TempFolder bin;
    EXPECT_FALSE(startDetached(bin.file("missing"), {}));
    EXPECT_FALSE(startDetached(bin.path().string(), {}));
    makeProgram(bin, "plain");
    EXPECT_TRUE(startDetached(bin.file("plain"), {"one two"}));
    EXPECT_EQ(noted(bin), "plain one two\n");
}

} // namespace
} // namespace quillon::ui::platform
