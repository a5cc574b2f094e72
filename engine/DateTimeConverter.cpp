// QSO_DATE and TIME_ON conversions.
#include "engine/DateTimeConverter.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/CalendarDate.h"
#include "engine/TextRules.h"

#include <cstddef>
#include <span>
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

// Century, year, month and day of an eight-character date, in that order, as YYYYMMDD.
void assembleDate(std::string_view date, DateLayout layout, char (&out)[kDateLength])
{
    const PieceStarts at = pieceStartsOf(layout);
    const std::string_view century = centuryOf(date.substr(at.year, 2));
    const std::size_t starts[] = {at.year, at.month, at.day};
    out[0] = century[0];
    out[1] = century[1];
    for (std::size_t piece = 0; piece < 3; ++piece) {
        out[2 + 2 * piece] = date[starts[piece]];
        out[3 + 2 * piece] = date[starts[piece] + 1];
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

// Takes the clock digits out of HHMM, HH?MM, HHMMSS or HH?MM?SS (the separator may be any character) and checks
// them: hours 00-23, minutes and seconds 00-59. Returns the number of digits taken, 4 or 6, or 0 for any other
// text.
std::size_t readClock(std::string_view time, char (&digits)[6])
{
    static constexpr std::size_t kHhMm[] = {0, 1, 2, 3};
    static constexpr std::size_t kHhSepMm[] = {0, 1, 3, 4};
    static constexpr std::size_t kHhMmSs[] = {0, 1, 2, 3, 4, 5};
    static constexpr std::size_t kHhSepMmSepSs[] = {0, 1, 3, 4, 6, 7};
    std::span<const std::size_t> positions;
    switch (time.size()) {
    case 4:
        positions = {kHhMm, 4};
        break;
    case 5:
        positions = {kHhSepMm, 4};
        break;
    case 6:
        positions = {kHhMmSs, 6};
        break;
    case 8:
        positions = {kHhSepMmSepSs, 6};
        break;
    default:
        return 0;
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        digits[i] = time[positions[i]];
    }
    const std::string_view clock(digits, positions.size());
    if (!isAllAsciiDigits(clock) || asciiDigitsValue(clock.substr(0, 2)) > 23) {
        return 0;
    }
    for (std::size_t start = 2; start < clock.size(); start += 2) {
        if (asciiDigitsValue(clock.substr(start, 2)) > 59) {
            return 0;
        }
    }
    return clock.size();
}

} // namespace

void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment)
{
    if (isBlank(date)) {
        fragment.assign(kMissingDate);
        return;
    }
    trimInPlace(date);
    if (date.size() == kDateLength) {
        char assembled[kDateLength];
        assembleDate(date, layout, assembled);
        const std::string_view normalised(assembled, kDateLength);
        if (isCalendarDate(normalised)) {
            date.assign(normalised);
            makeFragment(fragment, "QSO_DATE", date);
            return;
        }
    }
    // A date that is not a real day is never guessed at. DATE keeps what the user wrote, trimmed, so the field
    // and the marker in bad.adi show the same text.
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
