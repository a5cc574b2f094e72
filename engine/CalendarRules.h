// The calendar rules of contact dates: the century of a two-digit year and the test for a day that exists.
#pragma once

#include <string_view>

namespace quillon::engine {

// The century of a two-digit year (0-99), "19" or "20": 40 and over is 19xx, anything less is 20xx.
std::string_view centuryOf(int twoDigitYear);

// True when the month (1-12) and day name a day of that year of the Gregorian calendar.
bool isCalendarDay(int year, int month, int day);

// The same rules asked once for every two-digit year, month and day (0-99 each), so that a date is checked with
// two table reads. Only February 29 depends on the year.
class DayTables
{
public:
    DayTables();

    // The two-digit year's century decides whether it is a leap year.
    bool isDay(int year, int month, int day) const
    {
        const DayKind kind = m_kinds[month][day];
        return kind == DayKind::Always || (kind == DayKind::LeapYearsOnly && m_leapYear[year]);
    }
    // A day of every year, whatever the year.
    bool isDayOfEveryYear(int month, int day) const { return m_kinds[month][day] == DayKind::Always; }
    // The piece is the month or the day of a day that only leap years have (2 and 29).
    bool mayNeedTheYear(int piece) const { return m_inLeapOnlyDay[piece]; }

private:
    enum class DayKind : unsigned char { Never, LeapYearsOnly, Always };
    DayKind m_kinds[100][100];
    bool m_leapYear[100];
    bool m_inLeapOnlyDay[100] = {};
};

// Filled before main() runs, so reading it costs no check of whether it is ready.
const DayTables& dayTables();

} // namespace quillon::engine
