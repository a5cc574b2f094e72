// UTF-8 read and written one code point at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::engine {

// Decodes the sequence at `at` and moves past it; false, leaving `at`, when it is not well-formed UTF-8 (a stray
// continuation byte, an overlong form, a surrogate, anything above U+10FFFF).
bool decodeUtf8(std::string_view text, std::size_t& at, char32_t& codePoint);

// Appends the code point, up to U+FFFF, as UTF-8.
void appendUtf8(std::string& text, char32_t codePoint);

} // namespace quillon::engine
