// The timestamp line: day and time digits, and the English names a missing locale falls back to.
#include "run/RunTexts.h"

#include "tests/run/FixedClock.h"

#include <gtest/gtest.h>

namespace quillon::run {
namespace {

// A locale that is not installed gives the English names, as "C" and "POSIX" do.
TEST(RunTextsTest, TimestampLine)
{
    struct Case {
        const char* locale;
        CalendarDate date;
        TimeOfDay time;
        std::string expected;
    };
    const Case cases[] = {
        {"C", {2026, 12, 5, 6}, {20, 35, 37}, "File converted on Saturday, Dec 5, 2026 at 20:35:37"},
        {"xx_NOWHERE.UTF-8", {2027, 1, 3, 0}, {7, 5, 9}, "File converted on Sunday, Jan 3, 2027 at 07:05:09"},
        {"POSIX", {2000, 2, 29, 2}, {0, 0, 0}, "File converted on Tuesday, Feb 29, 2000 at 00:00:00"},
    };
    tests::FixedClock clock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        clock.date = c.date;
        clock.time = c.time;
        EXPECT_EQ(timestampLine(clock, LocaleNames::fromLocale(c.locale)), c.expected);
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
        LocalTime utcNow() const override { return now(); }

    private:
        mutable int m_readings = 0;
    };
    EXPECT_EQ(timestampLine(MidnightClock(), LocaleNames::fromLocale("C")),
              "File converted on Thursday, Dec 31, 2026 at 23:59:59");
}

// A separator counts only where one punctuation character stands both between hours and minutes and between
// minutes and seconds.
TEST(RunTextsTest, TimeSeparatorOfTheLocalesTimeFormat)
{
    using Notation = LocaleNames::TimeNotation;
    struct Case {
        const char* format;
        Notation notation;
        const char* separator;
    };
    const Case cases[] = {
        {"%H:%M:%S", Notation::Posix, ":"},
        {"%H.%M.%S", Notation::Posix, "."},
        {"%T", Notation::Posix, ":"},
        {"%OH.%OM.%OS", Notation::Posix, "."},
        {"%H\xe6\x99\x82%M\xe5\x88\x86%S\xe7\xa7\x92", Notation::Posix, ":"}, // hour, minute, second suffixes
        {"%Hh%Mm%Ss", Notation::Posix, ":"},
        {"%H.%M:%S", Notation::Posix, ":"},
        {"%H.%M", Notation::Posix, ":"},
        {"%p %I-%M-%S", Notation::Posix, "-"},
        {"HH:mm:ss", Notation::Windows, ":"},
        {"H.mm.ss", Notation::Windows, "."},
        {"tt h:mm:ss", Notation::Windows, ":"},
        {"H' h 'mm' min 'ss' s'", Notation::Windows, ":"},
        {"HH'.'mm'.'ss", Notation::Windows, "."},
        {"", Notation::Windows, ":"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(LocaleNames::timeSeparatorOf(c.format, c.notation), c.separator);
    }
}

// Where these locales are installed (always on Windows, often not on a build machine), their names and
// separators come through as UTF-8; the names are compared by their start, as systems differ in endings.
TEST(RunTextsTest, InstalledLocales)
{
    struct Case {
        const char* locale;
        const char* saturday;
        const char* december;
        const char* separator;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "Samstag", "Dez", ":"},
        {"fi_FI.UTF-8", "lauantai", "joulu", "."},
        {"ja_JP.UTF-8", "\xe5\x9c\x9f\xe6\x9b\x9c\xe6\x97\xa5", "12", ":"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleNames names = LocaleNames::fromLocale(c.locale);
        if (names.weekdayName(6) == "Saturday") {
            continue; // not installed here
        }
        EXPECT_EQ(names.weekdayName(6).rfind(c.saturday, 0), 0U) << names.weekdayName(6); // Finnish has endings
        EXPECT_EQ(names.monthAbbreviation(12).rfind(c.december, 0), 0U) << names.monthAbbreviation(12);
        EXPECT_EQ(names.timeSeparator(), c.separator);
    }
}

} // namespace
} // namespace quillon::run
