// The calendar rules of contact dates: the century of a two-digit year and the test for a day that exists.
#pragma once

#include <string_view>

namespace quillon::engine {

// The century of a two-digit year, "19" or "20": 40 and over is 19xx, anything less is 20xx. The year is read by
// its leading number: blanks anywhere are skipped, an optional sign, digits and a decimal point are read, reading
// stops at the first other character, and a text with no leading number reads as 0.
std::string_view centuryOf(std::string_view yearPiece);

// The same for a year piece of two digits, given as their value 0-99.
std::string_view centuryOf(int twoDigitYear);

// True when `date` is exactly eight digits YYYYMMDD naming a day of the Gregorian calendar.
bool isCalendarDate(std::string_view date);

// True when the month (1-12) and day name a day of that year of the Gregorian calendar.
bool isCalendarDay(int year, int month, int day);

} // namespace quillon::engine
