// The TIME_ON conversion: four shapes of clock time, after a zero fill of short ones.
#include "engine/TimeConverter.h"

#include "engine/AsciiDigits.h"
#include "engine/DatePieces.h"
#include "engine/TextRules.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingTime = "<TIME_ON:5>*BAD* (Missing) ";

// The longest time shape, HH:MM:SS.
constexpr std::size_t kLongestTime = 8;

// The zero fill: a time of one to three characters gets zeros on the left up to four; a longer one is kept.
std::string_view zeroFill(std::string_view time, char (&buffer)[kLongestTime])
{
    std::size_t length = 0;
    for (std::size_t zeros = time.size() < 4 ? 4 - time.size() : 0; zeros > 0; --zeros) {
        buffer[length++] = '0';
    }
    for (const char c : time) {
        buffer[length++] = c;
    }
    return {buffer, length};
}

// Takes the clock digits out of HHMM, HH?MM, HHMMSS or HH?MM?SS and checks them: hours 00-23, minutes and
// seconds 00-59. The separator may be any character but a digit. Returns the number of digits taken, 4 or 6, or 0 for
// any other text.
std::size_t readClock(std::string_view time, char (&digits)[6])
{
    const auto shape = timeShapeOf(time.size());
    if (!shape || hasDigitSeparator(time, *shape)) {
        return 0;
    }
    const std::size_t minutes = shape->minutes;
    const std::size_t seconds = shape->seconds;
    const auto within = [](int value, int largest) { return value >= 0 && value <= largest; };
    if (!within(twoDigitsAt(time, 0), 23) || !within(twoDigitsAt(time, minutes), 59) ||
        (seconds != 0 && !within(twoDigitsAt(time, seconds), 59))) {
        return 0;
    }
    std::size_t count = 0;
    const auto take = [&](std::size_t at) {
        digits[count++] = time[at];
        digits[count++] = time[at + 1];
    };
    take(0);
    take(minutes);
    if (seconds != 0) {
        take(seconds);
    }
    return count;
}

} // namespace

bool hasDigitSeparator(std::string_view filled, TimeShape shape)
{
    return shape.minutes == 3 && (isAsciiDigit(filled[2]) || (shape.seconds == 6 && isAsciiDigit(filled[5])));
}

void convertTime(FieldText& time, AdifFragment& fragment)
{
    if (isBlank(time)) {
        fragment.assign(kMissingTime);
        return;
    }
    trimInPlace(time);
    if (time.size() <= kLongestTime) {
        char buffer[kLongestTime];
        const std::string_view filled = zeroFill(time, buffer);
        char digits[6];
        const std::size_t count = readClock(filled, digits);
        if (count != 0) {
            // The bounds are what readClock() keeps to anyway; said here, they let the compiler see that the copies
            // stay inside the two buffers.
            time.assign(filled.substr(0, kLongestTime));
            makeFragment(fragment, "TIME_ON", std::string_view(digits, std::min(count, sizeof digits)));
            return;
        }
    }
    // Like a bad date, a bad time keeps the trimmed text the user wrote, without the zero fill.
    makeMarkedFragment(fragment, "TIME_ON", time);
}

} // namespace quillon::engine
