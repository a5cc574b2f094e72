// The length of every month, told by the rhyme rather than by a table, and the days that no month has.
#include "engine/CalendarRules.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

TEST(CalendarRulesTest, EveryMonthEndsOnItsLastDay)
{
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        const bool thirty = month == 4 || month == 6 || month == 9 || month == 11;
        const int last = month == 2 ? 28 : thirty ? 30 : 31;
        EXPECT_TRUE(isCalendarDay(2023, month, last));
        EXPECT_FALSE(isCalendarDay(2023, month, last + 1));
        EXPECT_FALSE(isCalendarDay(2023, month, 0));
    }
    EXPECT_FALSE(isCalendarDay(2023, 0, 1));
    EXPECT_FALSE(isCalendarDay(2023, 13, 1));
}

} // namespace
} // namespace quillon::engine
