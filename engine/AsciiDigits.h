// Locale-free digit tests for the converters' small parsers.
#pragma once

#include <string_view>

namespace quillon::engine {

// Only '0' to '9': the converters never ask the locale what a digit is.
constexpr bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True for a non-empty text made of '0' to '9' only.
constexpr bool isAllAsciiDigits(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (!isAsciiDigit(c)) {
            return false;
        }
    }
    return true;
}

// The value of a run of ASCII digits; the caller keeps it short enough to fit in an int.
constexpr int asciiDigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace quillon::engine
