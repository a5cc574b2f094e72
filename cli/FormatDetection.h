// "--date auto" and "--band auto": the one layout or format under which every date or band of the log is good.
#pragma once

#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"
#include "run/FileSystem.h"

#include <optional>
#include <string>
#include <variant>

namespace quillon::cli {

// The dates and bands of the whole log at `path`, read once before converting; nullopt when it cannot be opened
// (the conversion then reports that as usual). A record cut short at the end is left out.
std::optional<engine::FormatSurvey> surveyLog(run::FileSystem& files, const std::string& path);

// The only layout that reads every date, or a one-line text naming the candidates when none or several do.
std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey);

// The only format that reads every band, or a one-line text naming the candidates when none or both do.
std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey);

} // namespace quillon::cli
