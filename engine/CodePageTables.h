// What each non-ASCII byte of a code page, and each Latin code point, folds to in plain ASCII. Only the text
// folding uses it.
#pragma once

#include "engine/AdifVersion.h"

#include <span>
#include <string_view>

namespace quillon::engine::detail {

// The folds of the bytes 0x80 to 0xFF in the code page.
std::span<const std::string_view, 128> upperHalfOf(CodePage page);

// The fold of a code point above 0x7F read from UTF-8.
std::string_view foldedCodePoint(char32_t codePoint);

} // namespace quillon::engine::detail
