// Splitting one line into its fields as written, and writing a value back.
#include "engine/LineFields.h"

#include "engine/InputRules.h"

namespace quillon::engine {

using namespace detail;

namespace {

std::size_t firstNonBlank(std::string_view text, std::size_t from)
{
    while (from < text.size() && isLeadingBlank(text[from])) {
        ++from;
    }
    return from;
}

// Where the field starting at `start` ends: at the next comma, or past a quoted value's closing quote first.
std::size_t fieldEnd(std::string_view line, std::size_t start)
{
    std::size_t at = firstNonBlank(line, start);
    if (at < line.size() && line[at] == kQuote) {
        at = std::min(line.find(kQuote, at + 1), line.size());
    }
    return std::min(line.find(kComma, at), line.size());
}

} // namespace

std::vector<std::string_view> rawFieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    if (firstNonBlank(line, 0) == line.size()) {
        return fields;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = fieldEnd(line, start);
        fields.push_back(line.substr(start, end - start));
        if (end == line.size()) {
            return fields;
        }
        start = end + 1;
    }
}

std::string_view fieldValueOf(std::string_view rawField)
{
    const std::size_t at = firstNonBlank(rawField, 0);
    if (at < rawField.size() && rawField[at] == kQuote) {
        const std::size_t close = std::min(rawField.find(kQuote, at + 1), rawField.size());
        return rawField.substr(at + 1, close - at - 1);
    }
    return rawField.substr(at);
}

std::optional<std::string> rawFieldFor(std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t at = firstNonBlank(value, 0);
    const bool needsQuotes = value.find(kComma) != std::string_view::npos || (at < value.size() && value[at] == kQuote);
    if (!needsQuotes) {
        return std::string(value);
    }
    if (value.find(kQuote) != std::string_view::npos) {
        return std::nullopt;
    }
    return "\"" + std::string(value) + "\"";
}

} // namespace quillon::engine
