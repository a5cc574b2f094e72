// Reads the fragments of an ADIF record line back, so tests can check each declared length.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::tests {

struct ParsedFragment {
    std::string tag;
    std::size_t declaredLength = 0;
    std::string data; // exactly declaredLength bytes after the '>'
};

// Splits "<TAG:n>data <TAG:n>data <EOR>" by the declared lengths. Returns nothing when the line does not parse:
// a tag without its length, data running past the line, or a fragment not followed by one space.
inline std::optional<std::vector<ParsedFragment>> parseRecordLine(std::string_view line)
{
    std::vector<ParsedFragment> fragments;
    std::size_t at = 0;
    while (line.substr(at) != "<EOR>") {
        if (at >= line.size() || line[at] != '<') {
            return std::nullopt;
        }
        const auto colon = line.find(':', at);
        const auto close = line.find('>', at);
        if (colon == std::string_view::npos || close == std::string_view::npos || colon > close) {
            return std::nullopt;
        }
        ParsedFragment fragment;
        fragment.tag = std::string(line.substr(at + 1, colon - at - 1));
        const std::string digits(line.substr(colon + 1, close - colon - 1));
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        fragment.declaredLength = std::stoul(digits);
        const auto dataStart = close + 1;
        if (dataStart + fragment.declaredLength + 1 > line.size() || line[dataStart + fragment.declaredLength] != ' ') {
            return std::nullopt;
        }
        fragment.data = std::string(line.substr(dataStart, fragment.declaredLength));
        fragments.push_back(std::move(fragment));
        at = dataStart + fragments.back().declaredLength + 1;
    }
    return fragments;
}

} // namespace quillon::tests
