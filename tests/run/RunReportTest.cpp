// The result of a run in words: the line, the advice on bad.adi and the one box with the notes.
#include "run/RunReport.h"

#include <gtest/gtest.h>

namespace quillon::run {
namespace {

RunResult resultOf(RunOutcome outcome, std::int64_t log, std::int64_t bad, const std::string& logName = "")
{
    RunResult result;
    result.outcome = outcome;
    result.outputs = outputNamesFor(logName);
    result.records = log + bad;
    result.logRecords = log;
    result.badRecords = bad;
    return result;
}

TEST(RunReportTest, ResultInWords)
{
    struct Case {
        RunResult result;
        std::string line;
        std::string advice;
        std::string shortText;
    };
    const Case cases[] = {
        {resultOf(RunOutcome::Completed, 35, 14), "49 contacts: 35 to log.adi, 14 to bad.adi",
         "14 contacts need a look: they are in bad.adi, each problem marked *BAD*.", "Done: 14 bad"},
        {resultOf(RunOutcome::Completed, 0, 1), "1 contact: 0 to log.adi, 1 to bad.adi",
         "1 contact needs a look: it is in bad.adi, each problem marked *BAD*.", "Done: 1 bad"},
        {resultOf(RunOutcome::Completed, 2, 0, "contest98.asc"),
         "2 contacts: 2 to contest98.adi, 0 to contest98-bad.adi", "", "Done"},
        {resultOf(RunOutcome::InputEndedInRecord, 1, 1, "contest98.asc"),
         "2 contacts: 1 to contest98.adi, 1 to contest98-bad.adi",
         "1 contact needs a look: it is in contest98-bad.adi, each problem marked *BAD*.", "Done: 1 bad"},
        {resultOf(RunOutcome::Completed, 0, 0), "0 contacts: 0 to log.adi, 0 to bad.adi", "", "No contacts"},
        // A run that put nothing in place has no result to tell: its failure message has said it all.
        {resultOf(RunOutcome::OpenFailed, 0, 0), "", "", ""},
        {resultOf(RunOutcome::WriteFailed, 3, 1), "", "", ""},
        {resultOf(RunOutcome::Stopped, 3, 1), "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(resultLine(c.result), c.line);
        EXPECT_EQ(badFileAdvice(c.result), c.advice);
        EXPECT_EQ(shortResultText(c.result), c.shortText);
    }
}

// One box: the result, the advice, then each note under its title; the shifted lines only after a complete run,
// as the message of a log cut short has named them.
TEST(RunReportTest, OneBoxWithTheNotes)
{
    RunResult result = resultOf(RunOutcome::Completed, 35, 14);
    result.notes.push_back({"32 of 49 dates are not real dates as DD-MM-YY; MM-DD-YY reads 45 of 49",
                            "Check the date layout", MessageStyle::Information});
    result.oddLines.push_back({4, 19});
    result.oddLineCount = 1;
    const Message report = runReportMessage(result);
    EXPECT_EQ(report.title, "Conversion done");
    EXPECT_EQ(report.style, MessageStyle::Information);
    EXPECT_EQ(report.text, "49 contacts: 35 to log.adi, 14 to bad.adi\n"
                           "14 contacts need a look: they are in bad.adi, each problem marked *BAD*.\n\n"
                           "Check the date layout:\n32 of 49 dates are not real dates as DD-MM-YY; MM-DD-YY reads 45 "
                           "of 49\n\n"
                           "Check the field counts:\nLine 4 holds 19 fields; the contacts after it are shifted.");
    result.outcome = RunOutcome::InputEndedInRecord;
    result.notes.clear();
    EXPECT_EQ(runReportMessage(result).title, "Conversion cut short");
    EXPECT_EQ(runReportMessage(result).text,
              "49 contacts: 35 to log.adi, 14 to bad.adi\n"
              "14 contacts need a look: they are in bad.adi, each problem marked *BAD*.");
    EXPECT_EQ(runReportMessage(resultOf(RunOutcome::Completed, 3, 0)).text, "3 contacts: 3 to log.adi, 0 to bad.adi");
}

} // namespace
} // namespace quillon::run
