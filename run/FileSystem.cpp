// Listing a folder, the one file operation every file system can share.
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

} // namespace quillon::run
