// The words of a run's result.
#include "run/RunReport.h"

#include "run/RunMessages.h"
#include "run/RunTexts.h"

namespace quillon::run {

namespace {

bool putOutputsInPlace(const RunResult& result)
{
    return result.outcome == RunOutcome::Completed || result.outcome == RunOutcome::InputEndedInRecord;
}

} // namespace

std::string resultLine(const RunResult& result)
{
    if (!putOutputsInPlace(result)) {
        return {};
    }
    return counted(result.records, "contact") + ": " + std::to_string(result.logRecords) + " to " + result.outputs.log +
           ", " + std::to_string(result.badRecords) + " to " + result.outputs.bad;
}

std::string badFileAdvice(const RunResult& result)
{
    if (!putOutputsInPlace(result) || result.badRecords == 0) {
        return {};
    }
    const bool one = result.badRecords == 1;
    return counted(result.badRecords, "contact") + (one ? " needs a look: it is in " : " need a look: they are in ") +
           result.outputs.bad + ", each problem marked *BAD*.";
}

std::string shortResultText(const RunResult& result)
{
    if (!putOutputsInPlace(result)) {
        return {};
    }
    if (result.records == 0) {
        return "No contacts";
    }
    return result.badRecords == 0 ? "Done" : "Done: " + std::to_string(result.badRecords) + " bad";
}

Message runReportMessage(const RunResult& result)
{
    std::string text = resultLine(result);
    if (const std::string advice = badFileAdvice(result); !advice.empty()) {
        text += "\n" + advice;
    }
    if (const std::string notes = notesUnderTitles(runNotes(result)); !notes.empty()) {
        text += "\n\n" + notes;
    }
    const bool cutShort = result.outcome == RunOutcome::InputEndedInRecord;
    return {text, cutShort ? "Conversion cut short" : "Conversion done", MessageStyle::Information};
}

} // namespace quillon::run
