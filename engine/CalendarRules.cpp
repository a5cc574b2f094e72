// Century choice and calendar test for contact dates.
#include "engine/CalendarRules.h"

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

} // namespace quillon::engine
