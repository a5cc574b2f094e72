// Small text rules shared by every field conversion: trimming, emptiness, upper-casing.
#pragma once

#include "engine/ByteBuffer.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// Drops leading and trailing space characters (only the space, 0x20).
void trimBlanksInPlace(ByteBuffer& text);

// Most fields are empty or have no blank at either end; those are left without a call. It runs for nearly every
// field, so it is always inlined: left to itself, the optimiser stops inlining it once the converter grows.
[[gnu::always_inline]] inline void trimInPlace(ByteBuffer& text)
{
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) {
        return;
    }
    trimBlanksInPlace(text);
}

bool isAllSpaces(std::string_view text);

// The text without its leading and trailing space characters, for a field that is only looked at.
constexpr std::string_view trimmedBlanks(std::string_view text)
{
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) {
        return text;
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A field is absent when nothing but spaces is left of it. Most fields start with something else.
inline bool isBlank(std::string_view text)
{
    if (!text.empty() && text.front() != ' ') {
        return false;
    }
    return isAllSpaces(text);
}

// Upper-cases the ASCII letters a-z only, so UTF-8 and Latin-1 bytes pass through unchanged. A buffer is done
// sixteen bytes at a time, its spare room taking the overrun.
void upperCaseInPlace(ByteBuffer& text);
void upperCaseInPlace(std::string& text);

} // namespace quillon::engine
