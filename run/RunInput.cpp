// Finding the log in its folder.
#include "run/RunInput.h"

#include "run/CaseBlindName.h"
#include "run/PathText.h"
#include "run/RunTexts.h"

#include <algorithm>

namespace quillon::run {

RunInput chooseInput(FileSystem& files, const std::string& folder, const std::string& namedLog)
{
    if (!namedLog.empty()) {
        return {RunInput::Status::Found, pathIn(folder, namedLog), {}};
    }
    const std::string usual = pathIn(folder, kInputFileName);
    const std::vector<std::string> names = caseBlindMatches(files.namesIn(folder), kInputFileName);
    // Where letter case does not count (Windows, a FAT memory stick) LOG.ASC answers to log.asc too; it is then
    // named as the folder lists it, in the messages and the tool tip.
    const bool listedAsUsual = std::find(names.begin(), names.end(), kInputFileName) != names.end();
    if (files.exists(usual) && (listedAsUsual || names.size() != 1)) {
        return {RunInput::Status::Found, usual, {}};
    }
    if (names.empty()) {
        return {RunInput::Status::Missing, usual, {}};
    }
    if (names.size() == 1) {
        return {RunInput::Status::Found, pathIn(folder, names.front()), {}};
    }
    RunInput ambiguous{RunInput::Status::Ambiguous, usual, {}};
    for (const std::string& name : names) {
        ambiguous.candidates.push_back(pathIn(folder, name));
    }
    return ambiguous;
}

std::string pathIn(const std::string& folder, std::string_view fileName)
{
    return textFromPath(pathFromText(folder) / pathFromText(fileName));
}

} // namespace quillon::run
