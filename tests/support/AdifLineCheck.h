// Reads ADIF record lines back by their declared lengths, so the fuzz target can check every length is true.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::tests {

inline constexpr std::array<std::string_view, 18> kOutputTags{
    "QSO_DATE", "TIME_ON", "CALL",     "BAND",     "FREQ",  "MODE", "RST_SENT", "RST_RCVD", "NAME",
    "COMMENT",  "DXCC",    "QSL_SENT", "QSL_RCVD", "STATE", "IOTA", "CNTY",     "CQZ",      "QTH"};

// The fields whose problem marker declares 5, covering "*BAD*" only, and is followed by free text.
inline bool carriesFixedMarker(std::string_view tag)
{
    for (std::string_view marked : {"QSO_DATE", "TIME_ON", "CALL", "MODE", "DXCC", "STATE", "IOTA", "CNTY"}) {
        if (tag == marked) {
            return true;
        }
    }
    return false;
}

enum class Markers { Refused, Skipped };

// True when `line` from `at` on splits into fragments of the output fields from `firstField` on, in order, each
// "<TAG:n>" followed by n bytes and one space, then "<EOR>". With Markers::Skipped a fixed problem marker may
// carry any text up to the next fragment; every other fragment must still have its true length.
inline bool splitsIntoFragments(std::string_view line, Markers markers = Markers::Refused, std::size_t at = 0,
                                std::size_t firstField = 0)
{
    if (line.substr(at) == "<EOR>") {
        return true;
    }
    const auto colon = line.find(':', at);
    const auto close = line.find('>', at);
    if (at >= line.size() || line[at] != '<' || colon == std::string_view::npos || close == std::string_view::npos ||
        colon > close || close == colon + 1 || close - colon > 10) {
        return false;
    }
    const std::string_view tag = line.substr(at + 1, colon - at - 1);
    std::size_t field = firstField;
    while (field < kOutputTags.size() && kOutputTags[field] != tag) {
        ++field;
    }
    std::size_t length = 0;
    for (const char digit : line.substr(colon + 1, close - colon - 1)) {
        if (digit < '0' || digit > '9') {
            return false;
        }
        length = length * 10 + static_cast<std::size_t>(digit - '0');
    }
    const std::size_t end = close + 1 + length;
    if (field == kOutputTags.size() || end >= line.size()) {
        return false;
    }
    if (markers == Markers::Skipped && carriesFixedMarker(tag) && line.substr(close + 1, length) == "*BAD*") {
        for (auto next = line.find(" <", end); next != std::string_view::npos; next = line.find(" <", next + 1)) {
            if (splitsIntoFragments(line, markers, next + 1, field + 1)) {
                return true;
            }
        }
        return false;
    }
    return line[end] == ' ' && splitsIntoFragments(line, markers, end + 1, field + 1);
}

} // namespace quillon::tests
