// Case-blind name matching, for the ASCII letters only.
#include "run/CaseBlindName.h"

#include <algorithm>

namespace quillon::run {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalCaseBlind(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

} // namespace

std::vector<std::string> caseBlindMatches(const std::vector<std::string>& names, std::string_view wanted)
{
    std::vector<std::string> matches;
    std::copy_if(names.begin(), names.end(), std::back_inserter(matches),
                 [wanted](const std::string& name) { return equalCaseBlind(name, wanted); });
    std::sort(matches.begin(), matches.end());
    return matches;
}

} // namespace quillon::run
