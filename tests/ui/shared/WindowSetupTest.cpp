// What a window settles before it opens: its arguments and the folder it converts in, over fake platforms.
#include "ui/shared/LogFolder.h"
#include "ui/shared/WindowArguments.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace quillon::forms;

namespace {

class FakePlaces : public FolderPlaces
{
public:
    std::string remembered() const override { return rememberedFolder; }
    bool isFolder(const std::string& path) const override { return path != "/gone"; }
    bool mayWrite(const std::string&) const override { return programWritable; }
    std::string documentsFolder() const override { return "/home/me/Documents/Quillon"; }
    void makeFolder(const std::string& path) const override { made.push_back(path); }
    std::string clean(const std::string& path) const override { return path + "(clean)"; }

    std::string rememberedFolder;
    bool programWritable = true;
    mutable std::vector<std::string> made;
};

class FakeProbe : public PathProbe
{
public:
    NamedPath look(const std::string& path) const override
    {
        if (path == "logs") {
            return {NamedPath::Kind::Folder, "/home/me/logs", {}};
        }
        if (path == "1998.asc") {
            return {NamedPath::Kind::File, "/home/me", "1998.asc"};
        }
        return {};
    }
};

} // namespace

TEST(LogFolder, FirstPlaceThatApplies)
{
    struct Case {
        const char* named;
        const char* remembered;
        bool programWritable;
        const char* expected;
    };
    const Case cases[] = {
        {"/named", "/kept", true, "/named(clean)"},
        {"", "/kept", true, "/kept(clean)"},
        {"", "/gone", true, "/program(clean)"},
        {"", "", true, "/program(clean)"},
        {"", "", false, "/home/me/Documents/Quillon(clean)"},
    };
    for (const Case& c : cases) {
        FakePlaces places;
        places.rememberedFolder = c.remembered;
        places.programWritable = c.programWritable;
        EXPECT_EQ(chooseLogFolder(c.named, "/program", places), c.expected);
        EXPECT_EQ(places.made.size(), c.programWritable ? 0U : 1U) << c.expected;
    }
}

TEST(WindowArguments, WhatTheArgumentsAskFor)
{
    struct Case {
        std::vector<std::string> arguments;
        WindowAction action;
        std::string folderOrError;
        std::string logFile;
        std::optional<int> status;
    };
    const Case cases[] = {
        {{}, WindowAction::Open, "", "", std::nullopt},
        {{"logs"}, WindowAction::Open, "/home/me/logs", "", std::nullopt},
        {{"1998.asc"}, WindowAction::Open, "/home/me", "1998.asc", std::nullopt},
        {{"nowhere"}, WindowAction::UsageError, "nowhere: no such folder or file", "", 64},
        {{"logs", "logs"}, WindowAction::UsageError, "name one folder, not 2", "", 64},
        {{"/x", "-style"}, WindowAction::UsageError, "unknown option '-style' (see quillon --help)", "", 64},
        {{"nowhere", "--version"}, WindowAction::Version, "", "", 0},
        {{"-h"}, WindowAction::Help, "", "", 0},
    };
    for (const Case& c : cases) {
        const WindowArguments parsed = parseWindowArguments(c.arguments, FakeProbe());
        EXPECT_EQ(parsed.action, c.action) << c.folderOrError;
        EXPECT_EQ(parsed.action == WindowAction::UsageError ? parsed.error : parsed.folder, c.folderOrError);
        EXPECT_EQ(parsed.logFile, c.logFile);
        EXPECT_EQ(exitStatusOf(parsed), c.status) << c.folderOrError;
    }
    EXPECT_EQ(windowErrorLine(parseWindowArguments({"nowhere"}, FakeProbe())),
              "quillon: nowhere: no such folder or file");
}
