// The fields of one log line as written (blanks and quotes kept), their values as the reader takes them, and the
// way back from a corrected value to the text that the reader takes for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

// The text between the separators of one line, by the rules of InputRules.h: a comma inside a quoted value does
// not separate. A line of nothing but blanks has no fields.
std::vector<std::string_view> rawFieldsOf(std::string_view line);

// A field's value as the reader hands it over: leading blanks skipped, a quoted value without its quotes and
// without what follows the closing quote.
std::string_view fieldValueOf(std::string_view rawField);

// How `value` is written so that the reader takes it back unchanged: as it is, or in quotes when it holds a comma
// or starts with a quote. None when no text can say it: a line end, or a quote in a value that needs quotes.
std::optional<std::string> rawFieldFor(std::string_view value);

} // namespace quillon::engine
