// The fixed texts of a run: file names, status texts, the preamble lines and the trailer.
#pragma once

#include "run/Clock.h"
#include "run/LocaleNames.h"
#include "run/OutputNames.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::run {

inline constexpr std::string_view kInputFileName = "log.asc";

inline constexpr std::string_view kProcessingStatus = "Processing.....";
// Four spaces leave the status label blank.
inline constexpr std::string_view kIdleStatus = "    ";

// "05": the last two digits of a number, with a leading zero.
std::string twoDigits(int value);

// "a", "a and b", "a, b and c".
std::string listedNames(const std::vector<std::string>& names);

// "1 date", "2 dates": a count with its noun, which takes an "s" for any count but one.
std::string counted(std::int64_t count, std::string_view noun);

// "File converted on Saturday, Dec 5, 2026 at 20:35:37": the date and the time are read separately.
std::string timestampLine(const Clock& clock, const LocaleNames& names);

// The preamble lines of one output file, "<EOH>" last, each without its line end; they name the other file as
// `names` shows it. Header fields, when the output has them, stand after the free text and before "<EOH>".
std::vector<std::string> preambleLines(OutputKind kind, const OutputNames& names, std::string_view title,
                                       std::string_view timestamp, const std::vector<std::string>& headerFields = {});

// "Normal end of run - processed 3 records."
std::string endOfRunLine(std::int64_t recordCount);

} // namespace quillon::run
