// Choosing the date layout and band format from the log itself.
#include "cli/FormatDetection.h"

#include "engine/LogReader.h"
#include "run/RunTexts.h"

#include <vector>

namespace quillon::cli {

namespace {

// What is being chosen, for the messages: "dates", "date layout", "--date".
struct Subject {
    const char* values;
    const char* choice;
    const char* option;
};

// Picks the one candidate with no bad value; otherwise says which read everything, or how many each leaves bad.
template <typename Choice, std::size_t N>
std::variant<Choice, std::string> detect(const Choice (&candidates)[N], auto badCount, auto nameOf,
                                         const Subject& subject, std::int64_t total)
{
    std::vector<std::string> fitting;
    std::vector<std::string> leaving;
    Choice found{};
    for (const Choice candidate : candidates) {
        const std::string name(nameOf(candidate));
        const std::int64_t bad = badCount(candidate);
        if (bad == 0) {
            fitting.push_back(name);
            found = candidate;
        }
        leaving.push_back(std::to_string(bad) + " as " + name);
    }
    if (fitting.size() == 1) {
        return found;
    }
    const std::string all = "all " + std::to_string(total) + " " + subject.values + " of log.asc";
    const std::string advice = std::string("; choose one with ") + subject.option;
    if (fitting.empty()) {
        return std::string("no ") + subject.choice + " reads " + all + " (bad: " + run::listedNames(leaving) + ")" +
               advice;
    }
    return run::listedNames(fitting) + " read " + all + " alike" + advice;
}

} // namespace

std::optional<engine::FormatSurvey> surveyLog(run::FileSystem& files, const std::string& path)
{
    const auto input = files.openForReading(path);
    if (!input) {
        return std::nullopt;
    }
    engine::LogReader reader(*input);
    engine::ContactRecord record;
    engine::FormatSurvey survey;
    while (!reader.atEnd() && reader.readRecord(record) == engine::ReadResult::Complete) {
        survey.add(record);
    }
    return survey;
}

std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey)
{
    return detect(
        engine::kAllDateLayouts, [&](engine::DateLayout l) { return survey.badDates(l); }, engine::dateLayoutName,
        {"dates", "date layout", "--date"}, survey.dates());
}

std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey)
{
    return detect(
        engine::kAllBandFormats, [&](engine::BandFormat f) { return survey.badBands(f); }, engine::bandFormatName,
        {"bands", "band format", "--band"}, survey.bands());
}

} // namespace quillon::cli
