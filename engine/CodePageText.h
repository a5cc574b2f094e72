// A log's text shown and typed as UTF-8, which the windows speak, and written back in the log's own code page.
#pragma once

#include "engine/AdifVersion.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillon::engine {

// The code page the log's text is in: UTF-8 when it holds other than ASCII and every byte of it is valid UTF-8,
// else the one the user chose, as a conversion reads it.
CodePage logTextPage(std::string_view logBytes, CodePage chosen);

// The text as UTF-8: text that is valid UTF-8 already is kept, any other read byte by byte in `page`.
std::string utf8FromLogText(std::string_view bytes, CodePage page);

// UTF-8 text written in `page`; none when it is not valid UTF-8 or a character has no byte in the page. In the
// UTF-8 page the text is kept as it is.
std::optional<std::string> logTextFromUtf8(std::string_view utf8, CodePage page);

// The first character of valid UTF-8 text that `page` cannot hold, as UTF-8; empty when every one fits.
std::string firstCharacterNotIn(std::string_view utf8, CodePage page);

} // namespace quillon::engine
