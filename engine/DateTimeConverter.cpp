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

// Which piece (0, 1 or 2) holds the year, the month and the day.
struct PieceOrder {
    std::size_t year;
    std::size_t month;
    std::size_t day;
};

// In the order of DateLayout: YY-MM-DD, MM-DD-YY, YY-DD-MM, DD-MM-YY.
constexpr PieceOrder kPieceOrders[] = {{0, 1, 2}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}};

constexpr PieceOrder pieceOrderOf(DateLayout layout)
{
    return kPieceOrders[static_cast<std::size_t>(layout)];
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

DatePieces datePiecesOf(std::string_view date)
{
    if (date.size() != kDateLength) {
        return {};
    }
    return {{twoDigitsAt(date, 0), twoDigitsAt(date, 3), twoDigitsAt(date, 6)}};
}

// Which two-digit month and day name a day, and which two-digit years are leap years, asked of the calendar once
// for every value, so that a date is checked with two table reads. Only February 29 depends on the year.
class DayTables
{
public:
    DayTables()
    {
        for (int month = 0; month < 100; ++month) {
            for (int day = 0; day < 100; ++day) {
                m_kinds[month][day] = isCalendarDay(2001, month, day)   ? DayKind::Always
                                      : isCalendarDay(2000, month, day) ? DayKind::LeapYearsOnly
                                                                        : DayKind::Never;
            }
        }
        for (int year = 0; year < 100; ++year) {
            m_leapYear[year] = isCalendarDay(asciiDigitsValue(centuryOf(year)) * 100 + year, 2, 29);
        }
        for (int month = 0; month < 100; ++month) {
            for (int day = 0; day < 100; ++day) {
                const bool leapOnly = m_kinds[month][day] == DayKind::LeapYearsOnly;
                m_inLeapOnlyDay[month] = m_inLeapOnlyDay[month] || leapOnly;
                m_inLeapOnlyDay[day] = m_inLeapOnlyDay[day] || leapOnly;
            }
        }
    }

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
const DayTables kDayTables;

const DayTables& dayTables()
{
    return kDayTables;
}

bool hasAllPieces(const DatePieces& pieces)
{
    return pieces.values[0] >= 0 && pieces.values[1] >= 0 && pieces.values[2] >= 0;
}

// A date is never guessed at: every piece must be two digits, and the day must exist in that month and year.
bool isRealDate(const DatePieces& pieces, DateLayout layout, const DayTables& tables)
{
    const PieceOrder order = pieceOrderOf(layout);
    return tables.isDay(pieces.values[order.year], pieces.values[order.month], pieces.values[order.day]);
}

} // namespace

DateTally::DateTally()
    : m_pairs(kPairCount * 100 * 100)
{
}

// The first and second piece of each pair; a layout's month and day are always one of these pairs.
constexpr std::size_t kPairPieces[DateTally::kPairCount][2] = {{0, 1}, {1, 2}, {0, 2}};

void DateTally::add(std::string_view date)
{
    add(datePiecesOf(date));
}

void DateTally::add(const DatePieces& pieces)
{
    ++m_dates;
    if (!hasAllPieces(pieces)) {
        ++m_unreadable;
        return;
    }
    const DayTables& tables = dayTables();
    const int* value = pieces.values;
    if (tables.mayNeedTheYear(value[0]) || tables.mayNeedTheYear(value[1]) || tables.mayNeedTheYear(value[2])) {
        for (const DateLayout layout : kAllDateLayouts) {
            m_badWithYear[static_cast<std::size_t>(layout)] += isRealDate(pieces, layout, tables) ? 0 : 1;
        }
        return;
    }
    for (std::size_t pair = 0; pair < kPairCount; ++pair) {
        ++m_pairs[pair * 10000 +
                  static_cast<std::size_t>(value[kPairPieces[pair][0]] * 100 + value[kPairPieces[pair][1]])];
    }
}

std::int64_t DateTally::badDates(DateLayout layout) const
{
    const PieceOrder order = pieceOrderOf(layout);
    std::size_t pair = 0;
    while (!((kPairPieces[pair][0] == order.month && kPairPieces[pair][1] == order.day) ||
             (kPairPieces[pair][0] == order.day && kPairPieces[pair][1] == order.month))) {
        ++pair;
    }
    const bool monthFirst = kPairPieces[pair][0] == order.month;
    const DayTables& tables = dayTables();
    std::int64_t bad = m_unreadable + m_badWithYear[static_cast<std::size_t>(layout)];
    for (int first = 0; first < 100; ++first) {
        for (int second = 0; second < 100; ++second) {
            const bool isDay =
                monthFirst ? tables.isDayOfEveryYear(first, second) : tables.isDayOfEveryYear(second, first);
            bad += isDay ? 0 : m_pairs[pair * 10000 + static_cast<std::size_t>(first * 100 + second)];
        }
    }
    return bad;
}

void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment, DateTally* tally)
{
    if (isBlank(date)) {
        fragment.assign(kMissingDate);
        return;
    }
    trimInPlace(date);
    const DatePieces pieces = datePiecesOf(date);
    if (tally != nullptr) {
        tally->add(pieces);
    }
    if (hasAllPieces(pieces) && isRealDate(pieces, layout, dayTables())) {
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
