// "--date auto" and "--band auto": the layout that clearly reads the most of the log's dates, and the one format
// that reads every band of the log that either reads.
#pragma once

#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"

#include <string>
#include <string_view>
#include <variant>

namespace quillon::cli {

// The clear winner among the layouts (see run::clearWinner), or a one-line text: where the log changes layout, or
// which layouts read it alike, or how many dates each leaves bad. The text names the log by `logName`, the name of
// the file read.
std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey,
                                                               std::string_view logName);

// The only format that reads every band either format reads, or a one-line text naming the candidates.
std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey,
                                                               std::string_view logName);

// "2 bands fit no format; they go to bad.adi", for the typos a chosen format leaves; empty for none.
std::string typosNote(std::int64_t typos, const char* noun, const char* choice, const std::string& badFileName);

} // namespace quillon::cli
