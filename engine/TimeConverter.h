// TIME_ON: the time of a contact, zero-filled and checked.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillon::engine {

// Reads TIME and writes the TIME_ON fragment. A valid time leaves the zero-filled text in `time` (separators kept);
// any other text gets a *BAD* marker and `time` keeps it, trimmed.
void convertTime(FieldText& time, AdifFragment& fragment);

// Where the minutes and the seconds stand in a zero-filled time of HHMM, HH?MM, HHMMSS or HH?MM?SS (seconds 0: the
// shape has none).
struct TimeShape {
    std::size_t minutes = 2;
    std::size_t seconds = 0;
};

// The shape of a zero-filled time of this many characters; none for a length that no shape has.
constexpr std::optional<TimeShape> timeShapeOf(std::size_t length)
{
    switch (length) {
    case 4:
        return TimeShape{2, 0};
    case 5:
        return TimeShape{3, 0};
    case 6:
        return TimeShape{2, 4};
    case 8:
        return TimeShape{3, 6};
    default:
        return std::nullopt;
    }
}

// A digit where a shape with separators has its separator (12345): a typo that dropping it would turn into another
// time, so such a time is not read.
bool hasDigitSeparator(std::string_view filled, TimeShape shape);

} // namespace quillon::engine
