// QSO_DATE and TIME_ON conversions.
#include "engine/DateTimeConverter.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/CalendarRules.h"
#include "engine/TextRules.h"

#include <cstddef>
#include <string_view>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingDate = "<QSO_DATE:5>*BAD*(Missing) ";
constexpr std::string_view kMissingTime = "<TIME_ON:5>*BAD* (Missing) ";

// Every layout is eight characters: three two-character pieces with a separator of any kind between them.
constexpr std::size_t kDateLength = 8;
// The longest time shape, HH:MM:SS.
constexpr std::size_t kLongestTime = 8;

struct PieceStarts {
    std::size_t year;
    std::size_t month;
    std::size_t day;
};

PieceStarts pieceStartsOf(DateLayout layout)
{
    switch (layout) {
    case DateLayout::YyMmDd:
        return {0, 3, 6};
    case DateLayout::MmDdYy:
        return {6, 0, 3};
    case DateLayout::YyDdMm:
        return {0, 6, 3};
    case DateLayout::DdMmYy:
        return {6, 3, 0};
    }
    return {0, 3, 6};
}

// The two digits at `at` as a number, or -1 when they are not both digits.
int twoDigitsAt(std::string_view text, std::size_t at)
{
    const char high = text[at];
    const char low = text[at + 1];
    if (!isAsciiDigit(high) || !isAsciiDigit(low)) {
        return -1;
    }
    return (high - '0') * 10 + (low - '0');
}

// Century, year, month and day of an eight-character date, in that order, as YYYYMMDD. False when a piece is not
// two digits or the day does not exist; such a date is never guessed at.
bool normaliseDate(std::string_view date, DateLayout layout, char (&out)[kDateLength])
{
    const PieceStarts at = pieceStartsOf(layout);
    const int year = twoDigitsAt(date, at.year);
    const int month = twoDigitsAt(date, at.month);
    const int day = twoDigitsAt(date, at.day);
    if (year < 0 || month < 0 || day < 0) {
        return false;
    }
    const std::string_view century = centuryOf(year);
    if (!isCalendarDay(asciiDigitsValue(century) * 100 + year, month, day)) {
        return false;
    }
    const std::size_t starts[] = {at.year, at.month, at.day};
    out[0] = century[0];
    out[1] = century[1];
    for (std::size_t piece = 0; piece < 3; ++piece) {
        out[2 + 2 * piece] = date[starts[piece]];
        out[3 + 2 * piece] = date[starts[piece] + 1];
    }
    return true;
}

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
// seconds 00-59. The separator may be any character but a digit, since a digit there is a typo (12345) that
// dropping it would turn into another time. Returns the number of digits taken, 4 or 6, or 0 for any other text.
std::size_t readClock(std::string_view time, char (&digits)[6])
{
    std::size_t minutes = 2;
    std::size_t seconds = 0; // 0: none
    switch (time.size()) {
    case 4:
        break;
    case 5:
        minutes = 3;
        break;
    case 6:
        seconds = 4;
        break;
    case 8:
        minutes = 3;
        seconds = 6;
        break;
    default:
        return 0;
    }
    if (minutes == 3 && (isAsciiDigit(time[2]) || (seconds == 6 && isAsciiDigit(time[5])))) {
        return 0;
    }
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

void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment)
{
    if (isBlank(date)) {
        fragment.assign(kMissingDate);
        return;
    }
    trimInPlace(date);
    char normalised[kDateLength];
    if (date.size() == kDateLength && normaliseDate(date, layout, normalised)) {
        date.assign({normalised, kDateLength});
        makeFragment(fragment, "QSO_DATE", date);
        return;
    }
    // A bad date keeps what the user wrote, trimmed, so the field and the marker in bad.adi show the same text.
    makeMarkedFragment(fragment, "QSO_DATE", date);
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
            time.assign(filled);
            makeFragment(fragment, "TIME_ON", std::string_view(digits, count));
            return;
        }
    }
    // Like a bad date, a bad time keeps the trimmed text the user wrote, without the zero fill.
    makeMarkedFragment(fragment, "TIME_ON", time);
}

} // namespace quillon::engine
