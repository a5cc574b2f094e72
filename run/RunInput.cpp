// Finding the log in its folder.
#include "run/RunInput.h"

#include "run/CaseBlindName.h"
#include "run/PathText.h"
#include "run/RunTexts.h"

namespace quillon::run {

RunInput chooseInput(FileSystem& files, const std::string& folder, const std::string& namedLog)
{
    if (!namedLog.empty()) {
        return {RunInput::Status::Found, pathIn(folder, namedLog), {}};
    }
    const std::string usual = pathIn(folder, kInputFileName);
    if (files.exists(usual)) {
        return {RunInput::Status::Found, usual, {}};
    }
    const std::vector<std::string> names = caseBlindMatches(files.namesIn(folder), kInputFileName);
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
