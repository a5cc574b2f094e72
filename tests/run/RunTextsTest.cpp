// The timestamp line: day and time digits, and the English names a missing locale falls back to.
#include "run/RunTexts.h"

#include "tests/run/FixedClock.h"

#include <gtest/gtest.h>

namespace quillon::run {
namespace {

TEST(RunTextsTest, TimestampLine)
{
    struct Case {
        CalendarDate date;
        TimeOfDay time;
        std::string expected;
    };
    const Case cases[] = {
        {{2026, 12, 5, 6}, {20, 35, 37}, "File converted on Saturday, Dec 5, 2026 at 20:35:37"},
        {{2027, 1, 3, 0}, {7, 5, 9}, "File converted on Sunday, Jan 3, 2027 at 07:05:09"},
        {{2000, 2, 29, 2}, {0, 0, 0}, "File converted on Tuesday, Feb 29, 2000 at 00:00:00"},
    };
    tests::FixedClock clock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        clock.date = c.date;
        clock.time = c.time;
        EXPECT_EQ(timestampLine(clock, LocaleNames::fromLocale("C")), c.expected);
    }
}

// A clock that reaches midnight between two readings: the line must be one reading, never the old day's date
// with the new day's time.
TEST(RunTextsTest, TimestampIsOneReadingOfTheClock)
{
    class MidnightClock : public Clock
    {
    public:
        LocalTime now() const override
        {
            return m_readings++ == 0 ? LocalTime{{2026, 12, 31, 4}, {23, 59, 59}}
                                     : LocalTime{{2027, 1, 1, 5}, {0, 0, 0}};
        }

    private:
        mutable int m_readings = 0;
    };
    EXPECT_EQ(timestampLine(MidnightClock(), LocaleNames::fromLocale("C")),
              "File converted on Thursday, Dec 31, 2026 at 23:59:59");
}

TEST(RunTextsTest, UnknownLocaleFallsBackToEnglish)
{
    for (const char* locale : {"xx_NOWHERE.UTF-8", "C", "POSIX"}) {
        SCOPED_TRACE(locale);
        const LocaleNames names = LocaleNames::fromLocale(locale);
        EXPECT_EQ(names.weekdayName(0), "Sunday");
        EXPECT_EQ(names.weekdayName(6), "Saturday");
        EXPECT_EQ(names.monthAbbreviation(1), "Jan");
        EXPECT_EQ(names.monthAbbreviation(12), "Dec");
        EXPECT_EQ(names.timeSeparator(), ":");
    }
}

} // namespace
} // namespace quillon::run
