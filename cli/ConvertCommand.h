// What quillon-convert does with its arguments: returns the exit status.
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace quillon::cli {

enum ExitStatus {
    kExitDone = 0,
    kExitOpenFailed = 1,
    kExitBadInput = 2,
    kExitWriteFailed = 3,
    kExitUsage = 64,
};

int runConvertCommand(const std::vector<std::string_view>& arguments, std::FILE* out, std::FILE* errors,
                      bool errorsIsTerminal);

} // namespace quillon::cli
