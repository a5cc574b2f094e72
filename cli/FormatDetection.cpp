// Choosing the date layout and band format from the log itself.
#include "cli/FormatDetection.h"

#include "engine/LogReader.h"
#include "run/FormatHints.h"
#include "run/RunTexts.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace quillon::cli {

namespace {

// What is being chosen, for the messages: "date", "date layout", "--date".
struct Subject {
    const char* value;
    const char* choice;
    const char* option;
};

// Picks the one candidate that leaves no value bad but the typos, which no candidate reads; otherwise says which
// read everything alike, or how many each leaves bad.
template <typename Choice, std::size_t N>
std::variant<Choice, std::string> detect(const Choice (&candidates)[N], auto badCount, auto nameOf,
                                         const Subject& subject, std::int64_t total, std::int64_t typos,
                                         std::string_view logName)
{
    std::vector<std::string> fitting;
    std::vector<std::string> leaving;
    Choice found{};
    for (const Choice candidate : candidates) {
        const std::string name(nameOf(candidate));
        const std::int64_t bad = badCount(candidate);
        if (bad == typos) {
            fitting.push_back(name);
            found = candidate;
        }
        leaving.push_back(std::to_string(bad) + " as " + name);
    }
    if (fitting.size() == 1) {
        return found;
    }
    const std::string all = (total == 1 ? std::string("the ") : std::string("all ")) +
                            run::counted(total, subject.value) + " of " + std::string(logName);
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
        survey.add(record, reader.recordLine());
    }
    return survey;
}

// A log that changes layout part way fits no one layout; where it changes says more than the counts.
std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey,
                                                               std::string_view logName)
{
    const auto fits = [&](engine::DateLayout l) { return survey.badDates(l) == survey.datesNoLayoutReads(); };
    if (std::none_of(std::begin(engine::kAllDateLayouts), std::end(engine::kAllDateLayouts), fits)) {
        if (const auto change = run::layoutSwitch(survey.dateTally())) {
            return run::layoutSwitchText(*change);
        }
    }
    return detect(
        engine::kAllDateLayouts, [&](engine::DateLayout l) { return survey.badDates(l); }, engine::dateLayoutName,
        {"date", "date layout", "--date"}, survey.dates(), survey.datesNoLayoutReads(), logName);
}

std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey,
                                                               std::string_view logName)
{
    return detect(
        engine::kAllBandFormats, [&](engine::BandFormat f) { return survey.badBands(f); }, engine::bandFormatName,
        {"band", "band format", "--band"}, survey.bands(), survey.bandsNoFormatReads(), logName);
}

std::string typosNote(std::int64_t typos, const char* noun, const char* choice)
{
    if (typos == 0) {
        return {};
    }
    return run::counted(typos, noun) + (typos == 1 ? " fits no " : " fit no ") + choice +
           (typos == 1 ? "; it goes" : "; they go") + " to bad.adi";
}

} // namespace quillon::cli
