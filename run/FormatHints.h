// The notes shown after a run whose date layout or band format does not fit the log.
#pragma once

#include "engine/FormatSurvey.h"
#include "run/RunHost.h"

#include <optional>
#include <string>

namespace quillon::run {

// "Check the date layout" when the chosen layout leaves dates that are no real day and another layout reads
// every date of the log.
std::optional<Message> dateLayoutHint(const engine::FormatSurvey& survey, engine::DateLayout chosen);

// "Check the band format" when the other format leaves at most half as many bands unknown as the chosen one.
std::optional<Message> bandFormatHint(const engine::FormatSurvey& survey, engine::BandFormat chosen);

} // namespace quillon::run
