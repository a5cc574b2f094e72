// Finding a file by a name whose letter case nobody can be sure of: LOG.ASC written by DOS, Log.asc by an editor.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::run {

// The names that equal `wanted` when ASCII letters are compared without regard to case, sorted.
std::vector<std::string> caseBlindMatches(const std::vector<std::string>& names, std::string_view wanted);

} // namespace quillon::run
