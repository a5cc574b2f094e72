// Small text rules shared by every field conversion: trimming, emptiness, upper-casing.
#pragma once

#include <string>
#include <string_view>

namespace quillon::engine {

// Drops leading and trailing space characters (only the space, 0x20).
std::string_view trimmed(std::string_view text);
void trimInPlace(std::string& text);

// A field is absent when nothing but spaces is left of it.
bool isBlank(std::string_view text);

// Upper-cases the ASCII letters a-z only, so UTF-8 and Latin-1 bytes pass through unchanged.
void upperCaseInPlace(std::string& text);

} // namespace quillon::engine
