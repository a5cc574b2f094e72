// Texts of the date-layout and band-format notes.
#include "run/FormatHints.h"

#include "run/DateLayoutRule.h"
#include "run/RunTexts.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace quillon::run {

namespace {

// "19 of 30 dates are not real dates", "1 of 30 dates is not a real date".
std::string badOfAll(std::int64_t bad, std::int64_t all, std::string_view noun, std::string_view what)
{
    return std::to_string(bad) + " of " + counted(all, noun) + (bad == 1 ? " is not " : " are not ") +
           std::string(what);
}

// "reads all 30", or "reads all 30 but the 2 that no layout reads".
std::string readsAll(std::int64_t all, std::int64_t typos, std::string_view typosReader)
{
    const std::string every = all == 1 ? "it" : "all " + std::to_string(all);
    return typos == 0 ? every : every + " but the " + std::to_string(typos) + " that " + std::string(typosReader);
}

} // namespace

std::optional<Message> dateLayoutHint(const engine::FormatSurvey& survey, engine::DateLayout chosen)
{
    const auto advice = adviseDateLayout(survey, chosen);
    return advice ? std::optional(advice->note) : std::nullopt;
}

std::optional<Message> bandFormatHint(const engine::FormatSurvey& survey, engine::BandFormat chosen)
{
    const engine::BandFormat other = engine::otherFormat(chosen);
    const std::int64_t typos = survey.bandsNoFormatReads();
    const std::int64_t bad = survey.badBands(chosen);
    const std::int64_t otherBad = survey.badBands(other);
    if (bad == typos || otherBad * 2 > bad) {
        return std::nullopt;
    }
    const std::string otherReading = otherBad == typos ? " reads " + readsAll(survey.bands(), typos, "neither knows")
                                                       : " leaves only " + std::to_string(otherBad) + " unknown";
    return Message{
        badOfAll(bad, survey.bands(), "band", "in the band list as " + std::string(engine::bandFormatName(chosen))) +
            "; " + std::string(engine::bandFormatName(other)) + otherReading,
        "Check the band format", MessageStyle::Information};
}

std::vector<Message> formatHints(const engine::FormatSurvey& survey, engine::DateLayout layout,
                                 engine::BandFormat format)
{
    std::vector<Message> hints;
    for (auto& hint : {dateLayoutHint(survey, layout), bandFormatHint(survey, format)}) {
        if (hint) {
            hints.push_back(*hint);
        }
    }
    return hints;
}

// Each part must read clearly more than the other layout would there, and the two together clearly more than any
// one layout: one date that another layout reads is likelier a slip of the finger than a change of habit.
std::optional<LayoutSwitch> layoutSwitchFrom(const engine::DateTally& tally, engine::DateLayout before)
{
    const std::int64_t dates = tally.dates();
    const std::int64_t margin = std::max<std::int64_t>(2, clearMargin(dates));
    std::int64_t bestSingle = 0;
    for (const engine::DateLayout layout : engine::kAllDateLayouts) {
        bestSingle = std::max(bestSingle, dates - tally.badDates(layout));
    }
    std::optional<LayoutSwitch> found;
    std::int64_t foundReads = 0;
    for (const engine::DateLayout after : engine::kAllDateLayouts) {
        const std::int64_t reads = tally.splitReads(before, after);
        const std::int64_t line = tally.splitLine(before, after);
        const bool clear = reads - (dates - tally.badDates(before)) >= margin &&
                           reads - (dates - tally.badDates(after)) >= margin && reads - bestSingle >= margin;
        if (after != before && line != 0 && clear && reads > foundReads) {
            found = LayoutSwitch{line, before, after};
            foundReads = reads;
        }
    }
    return found;
}

std::optional<LayoutSwitch> layoutSwitch(const engine::DateTally& tally)
{
    for (const engine::DateLayout before : engine::kAllDateLayouts) {
        if (const auto change = layoutSwitchFrom(tally, before)) {
            return change;
        }
    }
    return std::nullopt;
}

std::string layoutSwitchText(const LayoutSwitch& change)
{
    return "Dates from line " + std::to_string(change.line) + " on read as " +
           std::string(engine::dateLayoutName(change.after)) + ", not " +
           std::string(engine::dateLayoutName(change.before)) +
           ": the contacts from there on may be misdated; convert the two parts separately";
}

} // namespace quillon::run
