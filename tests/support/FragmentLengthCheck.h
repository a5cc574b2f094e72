// Test helper: a fragment "<TAG:n>data " must declare the exact byte length of its data.
#pragma once

#include "engine/AdifFragment.h"

#include <ostream>

namespace quillon::engine {
inline std::ostream& operator<<(std::ostream& out, const ByteBuffer& buffer)
{
    return out << buffer.view();
}
} // namespace quillon::engine

#include <charconv>
#include <cstddef>
#include <gtest/gtest.h>
#include <string_view>

namespace quillon::engine {

// Parses the tag of a fragment and compares the declared length with the bytes between ">" and the final
// space. The length must be plain decimal digits without a leading zero.
inline ::testing::AssertionResult declaresItsDataLength(std::string_view fragment)
{
    const auto colon = fragment.find(':');
    const auto close = fragment.find('>');
    if (fragment.size() < 2 || fragment.front() != '<' || fragment.back() != ' ' || colon == std::string_view::npos ||
        close == std::string_view::npos || close < colon + 2) {
        return ::testing::AssertionFailure() << "not a tagged fragment: [" << fragment << "]";
    }
    const std::string_view digits = fragment.substr(colon + 1, close - colon - 1);
    std::size_t declared = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), declared);
    if (ec != std::errc{} || end != digits.data() + digits.size() || (digits.size() > 1 && digits[0] == '0')) {
        return ::testing::AssertionFailure() << "bad length text [" << digits << "] in [" << fragment << "]";
    }
    const std::size_t actual = fragment.size() - close - 2;
    if (declared != actual) {
        return ::testing::AssertionFailure()
               << "declares " << declared << " but holds " << actual << " bytes: [" << fragment << "]";
    }
    return ::testing::AssertionSuccess();
}

// Every fragment except the empty one and the fixed markers, whose declared 5 covers "*BAD*" only.
inline bool hasHonestLength(std::string_view fragment)
{
    return !fragment.empty() && fragment.find(kBadMarker) == std::string_view::npos;
}

} // namespace quillon::engine
