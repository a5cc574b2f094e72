// The rule for a date layout that reads clearly more of a log than the chosen one, and for the clear winner that
// "--date auto" takes, on logs of 50 dates with typos.
#include "run/DateLayoutRule.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {
namespace {

using engine::DateLayout;

// "07/21/95" in MM-DD-YY, "21/07/95" in DD-MM-YY.
std::string written(int month, int day, int year, DateLayout layout)
{
    const auto two = [](int n) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    return layout == DateLayout::MmDdYy ? two(month) + "/" + two(day) + "/" + two(year)
                                        : two(day) + "/" + two(month) + "/" + two(year);
}

DateLayout mirrorOf(DateLayout layout)
{
    return layout == DateLayout::MmDdYy ? DateLayout::DdMmYy : DateLayout::MmDdYy;
}

// 50 dates of a log kept in `layout`, with days spread over the month as in a real log (or only up to the 12th, so
// that either layout reads them), and `typos` of them mistyped as people do, each unreadable in `layout`: written
// the other way round, a month slipped by twenty (27 for 07), a day of 32 that no layout reads. From `switchAt` on
// the log is kept the other way round.
engine::FormatSurvey logOf(DateLayout layout, int typos, bool ambiguousOnly = false, int switchAt = 0)
{
    engine::FormatSurvey survey;
    unsigned state = 12345;
    const auto next = [&state](int range) {
        state = state * 1103515245U + 12345U;
        return static_cast<int>((state >> 16) % static_cast<unsigned>(range));
    };
    constexpr int kDates = 50;
    int typosMade = 0;
    for (int i = 0; i < kDates; ++i) {
        const int month = 1 + next(9);
        const int day = ambiguousOnly ? 1 + next(12) : 1 + next(28);
        const int year = 90 + next(10);
        const DateLayout kept = switchAt != 0 && i + 1 >= switchAt ? mirrorOf(layout) : layout;
        std::string date = written(month, day, year, kept);
        const bool typo = typos > 0 && i % (kDates / typos) == kDates / typos - 1;
        if (typo) {
            switch (typosMade++ % 3) {
            case 0:
                date = written(month, 13 + day % 16, year, mirrorOf(kept));
                break;
            case 1:
                date = written(month + 20, day, year, kept);
                break;
            default:
                date = written(month, 32, year, kept);
            }
        }
        engine::ContactRecord record;
        record[engine::Field::Date].assign(date);
        survey.add(record, i + 1);
    }
    return survey;
}

// Each log is read with its own layout (no note may come) and with the other one (a note must), and "--date auto"
// takes its layout while nine dates in ten are real in it.
TEST(DateLayoutRuleTest, CatchesAWrongLayoutWithoutFalseAlarms)
{
    struct Case {
        const char* name;
        engine::FormatSurvey survey;
        DateLayout right;
        bool noteOnRight;
        bool noteOnWrong;
        std::optional<DateLayout> winner;
    };
    const DateLayout mdy = DateLayout::MmDdYy;
    const DateLayout dmy = DateLayout::DdMmYy;
    const Case cases[] = {
        {"month first, no typo", logOf(mdy, 0), mdy, false, true, mdy},
        {"month first, 1 typo", logOf(mdy, 1), mdy, false, true, mdy},
        {"month first, 10% typos", logOf(mdy, 5), mdy, false, true, mdy},
        {"month first, 30% typos", logOf(mdy, 15), mdy, false, true, std::nullopt},
        {"day first, no typo", logOf(dmy, 0), dmy, false, true, dmy},
        {"day first, 1 typo", logOf(dmy, 1), dmy, false, true, dmy},
        {"day first, 10% typos", logOf(dmy, 5), dmy, false, true, dmy},
        {"day first, 30% typos", logOf(dmy, 15), dmy, false, true, std::nullopt},
        {"ambiguous dates only", logOf(mdy, 0, true), mdy, false, false, std::nullopt},
        // One date that only the other layout reads is no clear sign of it.
        {"ambiguous dates, 1 typo", logOf(mdy, 1, true), mdy, false, false, std::nullopt},
        {"day first from line 26", logOf(mdy, 0, false, 26), mdy, true, true, std::nullopt},
        {"day first from line 26, 10% typos", logOf(mdy, 5, false, 26), mdy, true, true, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SCOPED_TRACE("MM-DD-YY reads " + std::to_string(datesRead(c.survey, mdy)) + ", DD-MM-YY " +
                     std::to_string(datesRead(c.survey, dmy)) + ", no layout " +
                     std::to_string(c.survey.datesNoLayoutReads()));
        const auto onRight = adviseDateLayout(c.survey, c.right);
        const auto onWrong = adviseDateLayout(c.survey, mirrorOf(c.right));
        EXPECT_EQ(onRight.has_value(), c.noteOnRight) << (onRight ? onRight->note.text : "");
        EXPECT_EQ(onWrong.has_value(), c.noteOnWrong);
        if (onWrong && onWrong->switchLine == 0) {
            EXPECT_EQ(onWrong->better, c.right) << onWrong->note.text;
            EXPECT_GE(onWrong->betterReads - onWrong->chosenReads, clearMargin(50));
        }
        EXPECT_EQ(clearWinner(c.survey), c.winner);
    }
}

engine::FormatSurvey surveyOf(const std::vector<std::string>& dates)
{
    engine::FormatSurvey survey;
    std::int64_t line = 0;
    for (const std::string& date : dates) {
        engine::ContactRecord record;
        record[engine::Field::Date].assign(date);
        survey.add(record, ++line);
    }
    return survey;
}

// The note's words and counts, and what a window needs to offer the better layout.
TEST(DateLayoutRuleTest, AdviceGivesBothCountsInWords)
{
    std::vector<std::string> dates(40, "07/21/95");
    dates.insert(dates.end(), 5, "03/04/96");
    dates.push_back("99-99-99");
    for (const std::size_t line : {2, 20, 30}) {
        dates.insert(dates.begin() + line - 1, "13/06/95");
    }
    const auto advice = adviseDateLayout(surveyOf(dates), DateLayout::DdMmYy);
    ASSERT_TRUE(advice.has_value());
    EXPECT_EQ(advice->note.text, "41 of 49 dates are not real dates as DD-MM-YY; MM-DD-YY reads 45 of 49");
    EXPECT_EQ(advice->note.title, "Check the date layout");
    EXPECT_EQ(advice->better, DateLayout::MmDdYy);
    EXPECT_EQ(advice->chosenReads, 8);
    EXPECT_EQ(advice->betterReads, 45);
    EXPECT_EQ(advice->switchLine, 0);
    EXPECT_FALSE(adviseDateLayout(surveyOf(dates), DateLayout::MmDdYy).has_value());
    EXPECT_FALSE(adviseDateLayout(surveyOf({"", " "}), DateLayout::MmDdYy).has_value());
}

// "Clearly" at its edges: one date in ten, rounded up; nine dates in ten for a winner that leaves dates that another
// layout reads.
TEST(DateLayoutRuleTest, EdgesOfTheRule)
{
    const std::pair<std::int64_t, std::int64_t> margins[] = {{0, 1},  {1, 1},  {10, 1}, {11, 2},
                                                             {49, 5}, {50, 5}, {51, 6}};
    for (const auto& [dates, margin] : margins) {
        EXPECT_EQ(clearMargin(dates), margin) << dates;
    }
    const auto winnerOf = [](int right, int slips) {
        std::vector<std::string> dates(static_cast<std::size_t>(right), "07/21/95");
        dates.insert(dates.end(), static_cast<std::size_t>(slips), "13/06/95");
        return clearWinner(surveyOf(dates));
    };
    EXPECT_EQ(winnerOf(45, 5), DateLayout::MmDdYy) << "9 in 10";
    EXPECT_EQ(winnerOf(44, 6), std::nullopt) << "under 9 in 10";
}

// Auto's words on what its layout leaves bad, with the first few lines to look at.
TEST(DateLayoutRuleTest, DatesLeftBadAreNamedWithTheirLines)
{
    std::vector<std::string> dates(60, "07/21/95");
    for (std::size_t line : {3, 9, 12, 20, 33, 41, 50}) {
        dates[line - 1] = "13/06/95";
    }
    struct Case {
        std::vector<std::string> dates;
        std::string text;
    };
    const Case cases[] = {
        {dates, "7 dates are not real dates as MM-DD-YY; taken for typos, they go to bad.adi (lines 3, 9, 12, 20, 33 "
                "and 2 more)"},
        {{"07/21/95", "13/06/95", "07/22/95"},
         "1 date is not a real date as MM-DD-YY; taken for a typo, it goes to bad.adi (line 2)"},
        {{"07/21/95", "99-99-99", "07/22/95", "1x-0y-0z"}, "2 dates fit no layout; they go to bad.adi (lines 2 and 4)"},
        {{"07/21/95"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(datesLeftBadText(surveyOf(c.dates), DateLayout::MmDdYy, "bad.adi"), c.text);
    }
}

} // namespace
} // namespace quillon::run
