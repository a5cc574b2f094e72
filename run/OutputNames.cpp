// Output names from the log's name.
#include "run/OutputNames.h"

#include "run/CaseBlindName.h"
#include "run/PathText.h"

namespace quillon::run {

namespace {

bool sameLetters(const std::string& name, std::string_view wanted)
{
    return !caseBlindMatches({name}, wanted).empty();
}

} // namespace

OutputNames outputNamesFor(const std::string& logFileName)
{
    if (logFileName.empty() || sameLetters(logFileName, "log.asc")) {
        return {"log.adi", "bad.adi", "LOG.ADI", "BAD.ADI", "LOG.ASC"};
    }
    const std::filesystem::path path = pathFromText(logFileName);
    const bool keepWhole = sameLetters(textFromPath(path.extension()), ".adi");
    const std::string stem = textFromPath(keepWhole ? path.filename() : path.stem());
    OutputNames names{stem + ".adi", stem + "-bad.adi", {}, {}, textFromPath(path.filename())};
    names.logShown = names.log;
    names.badShown = names.bad;
    return names;
}

} // namespace quillon::run
