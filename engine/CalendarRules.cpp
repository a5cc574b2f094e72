// Century choice and calendar test for contact dates.
#include "engine/CalendarRules.h"

#include "engine/AsciiDigits.h"

namespace quillon::engine {

namespace {

constexpr int kPivotYear = 40;

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) {
        return 29;
    }
    return kDays[month - 1];
}

} // namespace

std::string_view centuryOf(int twoDigitYear)
{
    return twoDigitYear >= kPivotYear ? "19" : "20";
}

bool isCalendarDay(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

DayTables::DayTables()
{
    for (int month = 0; month < 100; ++month) {
        for (int day = 0; day < 100; ++day) {
            m_kinds[month][day] = isCalendarDay(2001, month, day)   ? DayKind::Always
                                  : isCalendarDay(2000, month, day) ? DayKind::LeapYearsOnly
                                                                    : DayKind::Never;
            const bool leapOnly = m_kinds[month][day] == DayKind::LeapYearsOnly;
            m_inLeapOnlyDay[month] = m_inLeapOnlyDay[month] || leapOnly;
            m_inLeapOnlyDay[day] = m_inLeapOnlyDay[day] || leapOnly;
        }
    }
    for (int year = 0; year < 100; ++year) {
        m_leapYear[year] = isCalendarDay(asciiDigitsValue(centuryOf(year)) * 100 + year, 2, 29);
    }
}

namespace {
const DayTables kDayTables;
} // namespace

const DayTables& dayTables()
{
    return kDayTables;
}

} // namespace quillon::engine
