// QSO_DATE and TIME_ON conversions.
#include "engine/DateTimeConverter.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/CalendarDate.h"
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

// Which piece (0, 1 or 2) holds the year, the month and the day.
struct PieceOrder {
    std::size_t year;
    std::size_t month;
    std::size_t day;
};

PieceOrder pieceOrderOf(DateLayout layout)
{
    switch (layout) {
    case DateLayout::YyMmDd:
        return {0, 1, 2};
    case DateLayout::MmDdYy:
        return {2, 0, 1};
    case DateLayout::YyDdMm:
        return {0, 2, 1};
    case DateLayout::DdMmYy:
        return {2, 1, 0};
    }
    return {0, 1, 2};
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

// Century, year, month and day of a real date, in that order, as YYYYMMDD.
void normaliseDate(std::string_view date, DateLayout layout, char (&out)[kDateLength])
{
    const PieceOrder order = pieceOrderOf(layout);
    const std::string_view century = centuryOf(twoDigitsAt(date, 3 * order.year));
    out[0] = century[0];
    out[1] = century[1];
    std::size_t length = 2;
    for (const std::size_t piece : {order.year, order.month, order.day}) {
        out[length++] = date[3 * piece];
        out[length++] = date[3 * piece + 1];
    }
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

DatePieces datePiecesOf(std::string_view date)
{
    if (date.size() != kDateLength) {
        return {};
    }
    return {{twoDigitsAt(date, 0), twoDigitsAt(date, 3), twoDigitsAt(date, 6)}};
}

// A date is never guessed at: every piece must be two digits, and the day must exist in that month and year.
bool isRealDate(const DatePieces& pieces, DateLayout layout)
{
    const PieceOrder order = pieceOrderOf(layout);
    const int year = pieces.values[order.year];
    const int month = pieces.values[order.month];
    const int day = pieces.values[order.day];
    if (year < 0 || month < 0 || day < 0) {
        return false;
    }
    return isCalendarDay(asciiDigitsValue(centuryOf(year)) * 100 + year, month, day);
}

void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment)
{
    if (isBlank(date)) {
        fragment.assign(kMissingDate);
        return;
    }
    trimInPlace(date);
    if (isRealDate(datePiecesOf(date), layout)) {
        char normalised[kDateLength];
        normaliseDate(date, layout, normalised);
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
