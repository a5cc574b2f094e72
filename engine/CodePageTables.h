// The characters of the code pages' bytes from 0x80 up, and what each character above 0x7F folds to in plain
// ASCII.
#pragma once

#include "engine/AdifVersion.h"

#include <string_view>

namespace quillon::engine::detail {

// The Unicode character of a byte from 0x80 up in the code page. In ISO-8859-1, and for bytes that turn out not to
// be UTF-8 in a UTF-8 log, a byte is the character of its own number.
char32_t characterOf(unsigned char byte, CodePage page);

// The fold of a character above 0x7F.
std::string_view foldedCodePoint(char32_t codePoint);

} // namespace quillon::engine::detail
