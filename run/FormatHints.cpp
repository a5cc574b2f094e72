// Texts of the date-layout and band-format notes.
#include "run/FormatHints.h"

#include "run/RunTexts.h"

#include <string_view>
#include <vector>

namespace quillon::run {

namespace {

std::string count(std::int64_t n)
{
    return std::to_string(n);
}

} // namespace

std::optional<Message> dateLayoutHint(const engine::FormatSurvey& survey, engine::DateLayout chosen)
{
    const std::int64_t bad = survey.badDates(chosen);
    if (bad == 0) {
        return std::nullopt;
    }
    std::vector<std::string> fitting;
    for (const engine::DateLayout layout : engine::kAllDateLayouts) {
        if (survey.badDates(layout) == 0) {
            fitting.emplace_back(engine::dateLayoutName(layout));
        }
    }
    if (fitting.empty()) {
        return std::nullopt;
    }
    const std::string dates = count(survey.dates());
    return Message{count(bad) + " of " + dates + " dates are not real dates as " +
                       std::string(engine::dateLayoutName(chosen)) + "; " + listedNames(fitting) +
                       (fitting.size() == 1 ? " reads" : " read") + " all " + dates,
                   "Check the date layout", MessageStyle::Information};
}

std::optional<Message> bandFormatHint(const engine::FormatSurvey& survey, engine::BandFormat chosen)
{
    const engine::BandFormat other =
        chosen == engine::BandFormat::Meters ? engine::BandFormat::Mhz : engine::BandFormat::Meters;
    const std::int64_t bad = survey.badBands(chosen);
    const std::int64_t otherBad = survey.badBands(other);
    if (bad == 0 || otherBad * 2 > bad) {
        return std::nullopt;
    }
    const std::string bands = count(survey.bands());
    const std::string otherReading =
        otherBad == 0 ? " reads all " + bands : " leaves only " + count(otherBad) + " unknown";
    return Message{count(bad) + " of " + bands + " bands are not in the band list as " +
                       std::string(engine::bandFormatName(chosen)) + "; " + std::string(engine::bandFormatName(other)) +
                       otherReading,
                   "Check the band format", MessageStyle::Information};
}

} // namespace quillon::run
