// Choosing the date layout and band format from the log itself.
#include "cli/FormatDetection.h"

#include "run/DateLayoutRule.h"
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

// A clear winner is taken; otherwise a log that changes layout part way is named as such, which says more than
// the counts.
std::variant<engine::DateLayout, std::string> detectDateLayout(const engine::FormatSurvey& survey,
                                                               std::string_view logName)
{
    if (const auto winner = run::clearWinner(survey)) {
        return *winner;
    }
    if (const auto change = run::layoutSwitch(survey.dateTally())) {
        return run::layoutSwitchText(*change);
    }
    std::vector<std::string> alike;
    std::vector<std::string> leaving;
    for (const engine::DateLayout layout : engine::kAllDateLayouts) {
        const std::string name(engine::dateLayoutName(layout));
        if (survey.badDates(layout) == survey.datesNoLayoutReads()) {
            alike.push_back(name);
        }
        leaving.push_back(std::to_string(survey.badDates(layout)) + " as " + name);
    }
    const std::string all = std::string(survey.dates() == 1 ? "the " : "all ") + run::counted(survey.dates(), "date") +
                            " of " + std::string(logName);
    if (alike.size() > 1) {
        return run::listedNames(alike) + " read " + all + " alike; choose one with --date";
    }
    return "no date layout clearly reads the most of the " + run::counted(survey.dates(), "date") + " of " +
           std::string(logName) + " (bad: " + run::listedNames(leaving) + "); choose one with --date";
}

std::variant<engine::BandFormat, std::string> detectBandFormat(const engine::FormatSurvey& survey,
                                                               std::string_view logName)
{
    return detect(
        engine::kAllBandFormats, [&](engine::BandFormat f) { return survey.badBands(f); }, engine::bandFormatName,
        {"band", "band format", "--band"}, survey.bands(), survey.bandsNoFormatReads(), logName);
}

std::string typosNote(std::int64_t typos, const char* noun, const char* choice, const std::string& badFileName)
{
    if (typos == 0) {
        return {};
    }
    return run::counted(typos, noun) + (typos == 1 ? " fits no " : " fit no ") + choice +
           (typos == 1 ? "; it goes" : "; they go") + " to " + badFileName;
}

} // namespace quillon::cli
