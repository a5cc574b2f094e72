// The Win32 front end's own logic under Windows (or Wine): the order its controls are made in, the styles of its
// message boxes, the folder it keeps in the registry, and how it looks at the paths it is given.
#include "run/WideText.h"
#include "ui/shared/forms/ConverterForm.h"
#include "ui/win32/FormControls.h"
#include "ui/win32/Messages.h"
#include "ui/win32/Places.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
// shlobj.h builds on what windows.h defines.
#include <shlobj.h>

using namespace quillon::ui::win32;
using quillon::ui::kLogFolderSetting;

namespace {

std::string knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
    std::string found = quillon::run::utf8Text(path == nullptr ? L"" : path);
    CoTaskMemFree(path);
    return found;
}

// A folder of the test's own in the temporary folder, whose name is not ASCII.
std::string makeTemporaryFolder()
{
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::wstring folder =
        std::wstring(temporary) + L"quillon-Z\u00fcrich-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return quillon::run::utf8Text(folder);
}

} // namespace

// Focusable controls first in their tab order (Windows tabs along the creation order), the other controls as
// defined, and the frames last, innermost first, so that each lies under its members.
TEST(Win32FrontEnd, ControlsAreMadeInFocusOrderWithFramesLast)
{
    std::vector<std::string_view> names;
    for (const quillon::forms::ControlRow* row : creationOrder(quillon::forms::converterControls())) {
        names.push_back(row->name);
    }
    const std::vector<std::string_view> expected{
        "Text1",     "cbStart", "dateOption1", "dateOption2", "dateOption3", "dateOption4", "bandMETERS", "bandMHZ",
        "lblStatus", "Label4",  "Label1",      "Label2",      "Label3",      "Frame2",      "Frame3",     "Frame1"};
    EXPECT_EQ(names, expected);
}

TEST(Win32FrontEnd, MessageStylesAreTheClassicIcons)
{
    using quillon::run::MessageStyle;
    EXPECT_EQ(messageBoxStyle(MessageStyle::Plain), static_cast<UINT>(MB_OK));
    EXPECT_EQ(messageBoxStyle(MessageStyle::Stop), static_cast<UINT>(MB_OK | 16));
    EXPECT_EQ(messageBoxStyle(MessageStyle::Exclamation), static_cast<UINT>(MB_OK | 48));
    EXPECT_EQ(messageBoxStyle(MessageStyle::Information), static_cast<UINT>(MB_OK | 64));
}

// The folder chosen last comes back whole, whatever its letters, and nothing is there before it was kept.
TEST(Win32FrontEnd, ChosenFolderIsKeptUnderTheUsersKey)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    RegistrySettings settings;
    EXPECT_EQ(settings.text(kLogFolderSetting), "");
    const std::string folder = "C:\\Logs\\Z\xc3\xbcrich \xe6\x97\xa5\xe6\x9c\xac";
    settings.setText(kLogFolderSetting, folder);
    EXPECT_EQ(settings.text(kLogFolderSetting), folder);
    EXPECT_EQ(WindowsFolderPlaces().remembered(), folder);
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

TEST(Win32FrontEnd, PathsAreCleanedAndProgramFilesIsNoLogFolder)
{
    const std::string folder = makeTemporaryFolder();
    const WindowsFolderPlaces places;
    EXPECT_EQ(cleanPath("C:\\windows\\..\\users\\"), "C:\\users");
    EXPECT_EQ(cleanPath("C:\\"), "C:\\");
    EXPECT_EQ(cleanPath(folder + "\\.\\"), folder);
    EXPECT_TRUE(places.isFolder(folder));
    EXPECT_TRUE(places.mayWrite(folder));
    EXPECT_FALSE(places.mayWrite(knownFolder(FOLDERID_ProgramFiles)));
    EXPECT_FALSE(places.mayWrite(knownFolder(FOLDERID_ProgramFiles) + "\\Quillon"));
    EXPECT_EQ(places.documentsFolder(), knownFolder(FOLDERID_Documents) + "\\Quillon");

    const std::string log = folder + "\\1998.asc";
    const HANDLE file =
        CreateFileW(quillon::run::wideText(log).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    const WindowsPathProbe probe;
    const quillon::forms::NamedPath named = probe.look(log);
    EXPECT_EQ(named.kind, quillon::forms::NamedPath::Kind::File);
    EXPECT_EQ(named.folder, folder);
    EXPECT_EQ(named.name, "1998.asc");
    EXPECT_EQ(probe.look(folder + "\\").kind, quillon::forms::NamedPath::Kind::Folder);
    EXPECT_EQ(probe.look(folder + "\\missing").kind, quillon::forms::NamedPath::Kind::Missing);
    DeleteFileW(quillon::run::wideText(log).c_str());
    RemoveDirectoryW(quillon::run::wideText(folder).c_str());
}
