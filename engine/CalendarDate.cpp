// Century choice and calendar test for contact dates.
#include "engine/CalendarDate.h"

#include "engine/AsciiDigits.h"

namespace quillon::engine {

namespace {

constexpr unsigned kPivotYear = 40;

// Reads the leading number of `text` and tells whether it is at least 40. Only the sign and the whole part
// matter: a fraction never lifts a number across a whole value, so reading stops at the decimal point.
bool leadingNumberReachesPivot(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned wholePart = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') {
            continue;
        }
        if (!isAsciiDigit(c)) {
            break;
        }
        if (wholePart < kPivotYear) { // once at the pivot, more digits cannot bring it back below
            wholePart = wholePart * 10 + static_cast<unsigned>(c - '0');
        }
    }
    return !negative && wholePart >= kPivotYear;
}

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

std::string_view centuryOf(std::string_view yearPiece)
{
    return leadingNumberReachesPivot(yearPiece) ? "19" : "20";
}

std::string_view centuryOf(int twoDigitYear)
{
    return twoDigitYear >= static_cast<int>(kPivotYear) ? "19" : "20";
}

bool isCalendarDate(std::string_view date)
{
    if (date.size() != 8 || !isAllAsciiDigits(date)) {
        return false;
    }
    const int year = asciiDigitsValue(date.substr(0, 4));
    const int month = asciiDigitsValue(date.substr(4, 2));
    const int day = asciiDigitsValue(date.substr(6, 2));
    return isCalendarDay(year, month, day);
}

bool isCalendarDay(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

} // namespace quillon::engine
