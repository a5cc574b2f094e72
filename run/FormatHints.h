// The notes shown after a run whose date layout or band format does not fit the log.
#pragma once

#include "engine/FormatSurvey.h"
#include "run/RunHost.h"

#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

// "Check the date layout" when the log changes layout part way from the chosen one, or another layout reads
// clearly more of its dates (see adviseDateLayout).
std::optional<Message> dateLayoutHint(const engine::FormatSurvey& survey, engine::DateLayout chosen);

// "Check the band format" when the other format leaves at most half as many bands unknown as the chosen one, and
// the chosen one leaves some unknown that the other knows.
std::optional<Message> bandFormatHint(const engine::FormatSurvey& survey, engine::BandFormat chosen);

// Both notes, where they have something to say. A layout or format that leaves values bad where another reads
// them is the likelier mistake than the log.
std::vector<Message> formatHints(const engine::FormatSurvey& survey, engine::DateLayout layout,
                                 engine::BandFormat format);

// Where a log that `before` reads up to some line goes on in another layout, when reading it so in two parts reads
// clearly more of its dates (see clearMargin) than either layout alone, and than any one layout; the other layout
// that reads the most so. Typos on either side do not hide the change.
struct LayoutSwitch {
    std::int64_t line = 0;
    engine::DateLayout before{};
    engine::DateLayout after{};
};
std::optional<LayoutSwitch> layoutSwitchFrom(const engine::DateTally& tally, engine::DateLayout before);
// The same for a log read before any layout is chosen: the first layout, in the usual order, that starts it.
std::optional<LayoutSwitch> layoutSwitch(const engine::DateTally& tally);

// "Dates from line 21 on read as DD-MM-YY, not MM-DD-YY: the contacts from there on may be misdated; convert the
// two parts separately"
std::string layoutSwitchText(const LayoutSwitch& change);

} // namespace quillon::run
