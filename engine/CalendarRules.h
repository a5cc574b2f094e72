// The calendar rules of contact dates: the century of a two-digit year and the test for a day that exists.
#pragma once

#include <string_view>

namespace quillon::engine {

// The century of a two-digit year (0-99), "19" or "20": 40 and over is 19xx, anything less is 20xx.
std::string_view centuryOf(int twoDigitYear);

// True when the month (1-12) and day name a day of that year of the Gregorian calendar.
bool isCalendarDay(int year, int month, int day);

} // namespace quillon::engine
