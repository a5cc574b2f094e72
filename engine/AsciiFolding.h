// Text fields written as plain ASCII: the log's own code page read, and every letter folded to its base letter.
#pragma once

#include "engine/AdifVersion.h"
#include "engine/ByteBuffer.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// True when every byte is printable ASCII (32 to 126), which nearly every field is.
bool isPrintableAscii(std::string_view text);

// Whether the bytes are UTF-8 as written by the standard: no stray continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// The text in printable ASCII. Bytes that are valid UTF-8 are read as UTF-8, any others in `page`; letters fold to
// their base letters (é to e, ß to ss, Å to A), a tab to a space, anything else to a visible "?".
std::string foldedToAscii(std::string_view text, CodePage page);

// Folds the field in place; true when it held anything but printable ASCII, so the caller can count it.
bool foldInPlace(ByteBuffer& field, CodePage page);

} // namespace quillon::engine
