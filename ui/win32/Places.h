// Where the Win32 window converts: the log folder's places as Windows finds them, the folder the user chose kept
// under HKCU\Software\Quillon, and the paths named on the command line.
#pragma once

#include "ui/shared/LogFolder.h"
#include "ui/shared/Settings.h"
#include "ui/shared/WindowArguments.h"

#include <string>

namespace quillon::ui::win32 {

// The registry key the window's settings are kept under, in HKEY_CURRENT_USER, a text value each.
inline constexpr const wchar_t* kSettingsKey = L"Software\\Quillon";

class RegistrySettings : public Settings
{
public:
    std::string text(std::string_view name) const override;
    void setText(std::string_view name, const std::string& text) override;
};

// A folder under Program Files is an installed program's, whatever the user's rights there: Windows lets an
// administrator write to it, and Wine anybody.
class WindowsFolderPlaces : public forms::FolderPlaces
{
public:
    std::string remembered() const override;
    bool isFolder(const std::string& path) const override;
    bool mayWrite(const std::string& path) const override;
    std::string documentsFolder() const override;
    void makeFolder(const std::string& path) const override;
    std::string clean(const std::string& path) const override;
};

class WindowsPathProbe : public forms::PathProbe
{
public:
    forms::NamedPath look(const std::string& path) const override;
};

// The absolute path without "." or ".." steps, and without a trailing backslash unless it is a drive's root.
std::string cleanPath(const std::string& path);

// The folder that holds the running program.
std::string programFolder();

} // namespace quillon::ui::win32
