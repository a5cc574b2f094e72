// Checks a line of bad.adi: the fixed problem markers declare a length of 5 but carry more text, so the line is
// accepted when some split into fragments, in output order, gives every other fragment its true length.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillon::tests {

inline constexpr std::array<std::string_view, 18> kOutputTags{
    "QSO_DATE", "TIME_ON", "CALL",     "BAND",     "FREQ",  "MODE", "RST_SENT", "RST_RCVD", "NAME",
    "COMMENT",  "DXCC",    "QSL_SENT", "QSL_RCVD", "STATE", "IOTA", "CNTY",     "CQZ",      "QTH"};

// The fields whose problem marker declares 5 and is followed by free text.
inline bool carriesFixedMarker(std::size_t field)
{
    const std::string_view tag = kOutputTags[field];
    return tag != "BAND" && tag != "FREQ" && tag.substr(0, 3) != "RST" && tag != "NAME" && tag != "COMMENT" &&
           tag.substr(0, 3) != "QSL" && tag != "CQZ" && tag != "QTH";
}

// True when `line` from `at` on splits into fragments of the fields from `firstField` on, then "<EOR>".
inline bool splitsIntoFragments(std::string_view line, std::size_t at = 0, std::size_t firstField = 0)
{
    if (line.substr(at) == "<EOR>") {
        return true;
    }
    if (at >= line.size() || line[at] != '<') {
        return false;
    }
    const auto colon = line.find(':', at);
    const auto close = line.find('>', at);
    if (colon == std::string_view::npos || close == std::string_view::npos || colon > close || close == colon + 1) {
        return false;
    }
    const std::string_view tag = line.substr(at + 1, colon - at - 1);
    std::size_t field = firstField;
    while (field < kOutputTags.size() && kOutputTags[field] != tag) {
        ++field;
    }
    const std::string_view digits = line.substr(colon + 1, close - colon - 1);
    if (field == kOutputTags.size() || digits.find_first_not_of("0123456789") != std::string_view::npos ||
        digits.size() > 9) {
        return false;
    }
    std::size_t length = 0;
    for (const char d : digits) {
        length = length * 10 + static_cast<std::size_t>(d - '0');
    }
    const std::size_t end = close + 1 + length;
    if (end >= line.size()) {
        return false;
    }
    if (carriesFixedMarker(field) && line.substr(close + 1, length) == "*BAD*") {
        for (auto next = line.find(" <", end); next != std::string_view::npos; next = line.find(" <", next + 1)) {
            if (splitsIntoFragments(line, next + 1, field + 1)) {
                return true;
            }
        }
        return false;
    }
    return line[end] == ' ' && splitsIntoFragments(line, end + 1, field + 1);
}

} // namespace quillon::tests
