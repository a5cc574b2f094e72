// The counts behind the date-layout note and "--date auto", and their texts.
#include "run/DateLayoutRule.h"

#include "run/FormatHints.h"
#include "run/RunTexts.h"

#include <algorithm>

namespace quillon::run {

namespace {

bool readsAllButTypos(const engine::FormatSurvey& survey, engine::DateLayout layout)
{
    return survey.badDates(layout) == survey.datesNoLayoutReads();
}

// "reads all 49", "reads it", "reads all 49 but the 4 that no layout reads", "reads 45 of 49".
std::string readsText(std::int64_t reads, const engine::FormatSurvey& survey)
{
    const std::int64_t dates = survey.dates();
    const std::int64_t typos = survey.datesNoLayoutReads();
    if (reads == dates) {
        return dates == 1 ? "it" : "all " + std::to_string(dates);
    }
    if (reads == dates - typos) {
        return "all " + std::to_string(dates) + " but the " + std::to_string(typos) + " that no layout reads";
    }
    return std::to_string(reads) + " of " + std::to_string(dates);
}

// " are not real dates as MM-DD-YY", " is not a real date as MM-DD-YY".
std::string notRealAs(std::int64_t bad, engine::DateLayout layout)
{
    return (bad == 1 ? " is not a real date as " : " are not real dates as ") +
           std::string(engine::dateLayoutName(layout));
}

Message layoutNote(std::string text)
{
    return {std::move(text), "Check the date layout", MessageStyle::Information};
}

} // namespace

std::int64_t datesRead(const engine::FormatSurvey& survey, engine::DateLayout layout)
{
    return survey.dates() - survey.badDates(layout);
}

std::int64_t clearMargin(std::int64_t dates)
{
    return std::max<std::int64_t>(1, (dates + 9) / 10);
}

// A log that changes layout part way, from the chosen layout or to it, is named as such: no count says as much.
std::optional<LayoutAdvice> adviseDateLayout(const engine::FormatSurvey& survey, engine::DateLayout chosen)
{
    LayoutAdvice advice{chosen, chosen, survey.dates(), datesRead(survey, chosen), 0, 0, {}};
    auto change = layoutSwitchFrom(survey.dateTally(), chosen);
    if (!change) {
        change = layoutSwitch(survey.dateTally());
    }
    if (change && (change->before == chosen || change->after == chosen)) {
        advice.better = change->before == chosen ? change->after : change->before;
        advice.betterReads = datesRead(survey, advice.better);
        advice.switchLine = change->line;
        advice.note = layoutNote(layoutSwitchText(*change));
        return advice;
    }
    std::vector<std::string> best;
    for (const engine::DateLayout layout : engine::kAllDateLayouts) {
        const std::int64_t reads = datesRead(survey, layout);
        if (layout == chosen || reads < advice.betterReads) {
            continue;
        }
        if (best.empty() || reads > advice.betterReads) {
            best.clear();
            advice.better = layout;
            advice.betterReads = reads;
        }
        best.emplace_back(engine::dateLayoutName(layout));
    }
    if (advice.dates == 0 || advice.betterReads - advice.chosenReads < clearMargin(advice.dates)) {
        return std::nullopt;
    }
    const std::int64_t bad = advice.dates - advice.chosenReads;
    advice.note = layoutNote(std::to_string(bad) + " of " + counted(advice.dates, "date") + notRealAs(bad, chosen) +
                             "; " + listedNames(best) + (best.size() == 1 ? " reads " : " read ") +
                             readsText(advice.betterReads, survey));
    return advice;
}

std::optional<engine::DateLayout> clearWinner(const engine::FormatSurvey& survey)
{
    engine::DateLayout winner = engine::DateLayout::YyMmDd;
    for (const engine::DateLayout layout : engine::kAllDateLayouts) {
        winner = datesRead(survey, layout) > datesRead(survey, winner) ? layout : winner;
    }
    const std::int64_t reads = datesRead(survey, winner);
    if (reads == 0 || (!readsAllButTypos(survey, winner) && reads * 10 < survey.dates() * 9)) {
        return std::nullopt;
    }
    for (const engine::DateLayout other : engine::kAllDateLayouts) {
        if (other != winner && reads - datesRead(survey, other) < clearMargin(survey.dates())) {
            return std::nullopt;
        }
    }
    return winner;
}

std::string datesLeftBadText(const engine::FormatSurvey& survey, engine::DateLayout winner,
                             const std::string& badFileName)
{
    const std::int64_t bad = survey.badDates(winner);
    if (bad == 0) {
        return {};
    }
    const auto kept = survey.dateTally().badLines(winner);
    const std::string where = " to " + badFileName + " (" + linesText({kept.begin(), kept.end()}, bad) + ")";
    if (bad == survey.datesNoLayoutReads()) {
        return counted(bad, "date") + (bad == 1 ? " fits no layout; it goes" : " fit no layout; they go") + where;
    }
    return counted(bad, "date") + notRealAs(bad, winner) +
           (bad == 1 ? "; taken for a typo, it goes" : "; taken for typos, they go") + where;
}

std::string linesText(const std::vector<std::int64_t>& lines, std::int64_t all)
{
    std::vector<std::string> numbers;
    for (const std::int64_t line : lines) {
        numbers.push_back(std::to_string(line));
    }
    const std::int64_t more = all - static_cast<std::int64_t>(lines.size());
    if (more > 0) {
        numbers.push_back(std::to_string(more) + " more");
    }
    return (all == 1 ? "line " : "lines ") + listedNames(numbers);
}

} // namespace quillon::run
