// The arguments of quillon-convert.
#pragma once

#include "cli/Adif3Arguments.h"
#include "engine/DateLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::cli {

struct ConvertOptions {
    engine::DateLayout layout = engine::DateLayout::YyMmDd;
    engine::BandFormat band = engine::BandFormat::Meters;
    std::string folder = ".";
    std::string logFile;       // a log named on the command line, in `folder`; empty for log.asc
    bool detectLayout = false; // "--date auto": read the layout from the log itself
    bool detectBand = false;   // "--band auto"
    OutputChoice output;       // --adif, --code-page, --call, --operator
    bool why = false;          // "--why": list the contacts sent to the bad file with their reasons
};

enum class CommandAction { Convert, Help, Version, UsageError };

struct CommandLine {
    CommandAction action = CommandAction::UsageError;
    ConvertOptions options;
    std::string error; // what was wrong, for a usage error
};

// Accepts "--date LAYOUT" and "--date=LAYOUT" alike; --date is required for a conversion.
CommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

std::string usageText();

} // namespace quillon::cli
