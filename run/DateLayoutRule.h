// When another date layout reads clearly more of a log's dates than the chosen one, and when one layout is the
// clear winner that "--date auto" may take.
#pragma once

#include "engine/FormatSurvey.h"
#include "run/RunHost.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

// The dates of the log that the layout reads as real days.
std::int64_t datesRead(const engine::FormatSurvey& survey, engine::DateLayout layout);

// "Clearly more" is at least one date more for every ten dates in the log, rounded up: 5 of 49. A log of 49 dates
// written in the right layout with a typo or two that another layout happens to read is no reason to doubt the
// layout; 28 dates that another layout reads and the chosen one does not are.
std::int64_t clearMargin(std::int64_t dates);

// What a user is told, and can act on, before or after converting with a layout that another reads clearly more
// of the log's dates than the chosen one.
struct LayoutAdvice {
    engine::DateLayout chosen{};
    engine::DateLayout better{};  // the layout that reads the most, the first of them in the usual order on a tie
    std::int64_t dates = 0;       // the log's dates, blank ones left out
    std::int64_t chosenReads = 0; // of them, those the chosen layout reads
    std::int64_t betterReads = 0;
    // Not 0 when the log changes at this line between the chosen layout and `better` (either way round): then no
    // single layout fits it, and converting with `better` would misdate one part as the chosen one does the other.
    std::int64_t switchLine = 0;
    // "Check the date layout": "32 of 49 dates are not real dates as DD-MM-YY; MM-DD-YY reads 45 of 49"
    Message note;
};

// The advice when the log changes layout part way from the chosen one, or another layout reads clearly more of
// its dates; none otherwise, and none for a log without dates.
std::optional<LayoutAdvice> adviseDateLayout(const engine::FormatSurvey& survey, engine::DateLayout chosen);

// The layout "--date auto" takes: the one that reads the most dates, when it reads every date any layout reads
// (the others are typos to every layout) or at least nine dates in ten, and every other layout reads clearly fewer
// (see clearMargin). None when no layout wins so: a tie, a log that changes layout, too many dates that the best
// layout cannot read, or a log of dates that several layouts read but for a typo or two.
std::optional<engine::DateLayout> clearWinner(const engine::FormatSurvey& survey);

// What the winner leaves bad, for the user to find: "4 dates are not real dates as MM-DD-YY; taken for typos,
// they go to bad.adi (lines 12, 20, 33 and 41)", or "2 dates fit no layout; they go to bad.adi (lines 3 and 7)"
// when no layout reads them. Empty when it reads them all.
std::string datesLeftBadText(const engine::FormatSurvey& survey, engine::DateLayout winner,
                             const std::string& badFileName);

// "lines 3, 7, 9, 12, 15 and 4 more", "line 3": the first few lines kept, and how many more there are.
std::string linesText(const std::vector<std::int64_t>& lines, std::int64_t all);

} // namespace quillon::run
