// The log folder: where a window reads log.asc and writes log.adi and bad.adi, chosen at start.
#pragma once

#include <string>

namespace quillon::forms {

// What the choice asks of the platform. Paths are in the run's text (UTF-8 on Windows).
class FolderPlaces
{
public:
    virtual ~FolderPlaces() = default;
    // The folder chosen last with File, Open Folder; empty when none was.
    virtual std::string remembered() const = 0;
    virtual bool isFolder(const std::string& path) const = 0;
    // Whether the user may create and replace files there.
    virtual bool mayWrite(const std::string& path) const = 0;
    // "Quillon" in the user's documents folder.
    virtual std::string documentsFolder() const = 0;
    virtual void makeFolder(const std::string& path) const = 0;
    // The same folder however it was written: absolute, without "." or ".." steps or a trailing separator.
    virtual std::string clean(const std::string& path) const = 0;
};

// The first that applies: the folder named on the command line; the one chosen last in the window, while it
// still exists; the program's own folder, when the user may write to it (a build tree, an unpacked copy);
// otherwise Quillon in the user's documents folder, created here when missing. An installed program's folder
// is no place for the user's files, hence the last two.
std::string chooseLogFolder(const std::string& named, const std::string& programFolder, const FolderPlaces& places);

} // namespace quillon::forms
