// A DATE cut into its three two-character pieces, and which of them are the year, month and day in each layout.
#pragma once

#include "engine/AsciiDigits.h"
#include "engine/CalendarRules.h"
#include "engine/DateLayout.h"

#include <cstddef>
#include <string_view>

namespace quillon::engine {

// Every layout is eight characters: three two-character pieces with a separator of any kind between them.
inline constexpr std::size_t kDateLength = 8;

// The numbers of the three pieces of a trimmed DATE, each -1 where it is not two digits; all -1 unless DATE is
// eight characters long.
struct DatePieces {
    int values[3] = {-1, -1, -1};
};

constexpr PieceOrder pieceOrderOf(DateLayout layout)
{
    return factsOf(layout).order;
}

// The two digits at `at` as a number, or -1 when they are not both digits.
inline int twoDigitsAt(std::string_view text, std::size_t at)
{
    const char high = text[at];
    const char low = text[at + 1];
    if (!isAsciiDigit(high) || !isAsciiDigit(low)) {
        return -1;
    }
    return (high - '0') * 10 + (low - '0');
}

inline DatePieces datePiecesOf(std::string_view date)
{
    if (date.size() != kDateLength) {
        return {};
    }
    return {{twoDigitsAt(date, 0), twoDigitsAt(date, 3), twoDigitsAt(date, 6)}};
}

inline bool hasAllPieces(const DatePieces& pieces)
{
    return pieces.values[0] >= 0 && pieces.values[1] >= 0 && pieces.values[2] >= 0;
}

// A date is never guessed at: every piece must be two digits, and the day must exist in that month and year.
inline bool isRealDate(const DatePieces& pieces, DateLayout layout, const DayTables& tables)
{
    const PieceOrder order = pieceOrderOf(layout);
    return tables.isDay(pieces.values[order.year], pieces.values[order.month], pieces.values[order.day]);
}

} // namespace quillon::engine
