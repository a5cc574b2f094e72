// "--date auto" and "--band auto": the one layout or format that reads every date or band of the log that any of
// them reads.
#pragma once

#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"
#include "run/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quillon::cli {

// The dates and bands of the whole log at `path`, with the lines they are on, read once before converting;
// nullopt when it cannot be opened (the conversion then reports that as usual). A record cut short at the end is
// left out.
std::optional<engine::FormatSurvey> surveyLog(run::FileSystem& files, const std::string& path);

// The only layout that reads every date some layout reads, or a one-line text: where the log changes layout, or
// which layouts read it alike, or how many dates each leaves bad. The text names the log by `logName`, the name of
// the file read.
std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey,
                                                               std::string_view logName);

// The only format that reads every band either format reads, or a one-line text naming the candidates.
std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey,
                                                               std::string_view logName);

// "2 dates fit no layout; they go to bad.adi", for the typos a chosen layout or format leaves; empty for none.
std::string typosNote(std::int64_t typos, const char* noun, const char* choice);

} // namespace quillon::cli
