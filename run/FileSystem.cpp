// Listing a folder and looking at a file's permissions, the file operations every file system can share.
#include "run/FileSystem.h"

#include "run/PathText.h"

#include <filesystem>

namespace quillon::run {

std::vector<std::string> FileSystem::namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pathFromText(folder), error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(textFromPath(entry->path().filename()));
    }
    return names;
}

// By the permission bits, not by whether this process may write: root may write anything.
bool FileSystem::isReadOnly(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(pathFromText(path), error);
    if (error || !std::filesystem::is_regular_file(status)) {
        return false;
    }
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

} // namespace quillon::run
