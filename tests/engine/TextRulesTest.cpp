// Upper-casing of field values, both ways; the golden logs check trimming with the rest of each field.
#include "engine/TextRules.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

// Every byte value, so both the bytewise and the sixteen-at-a-time ways meet each edge of a-z and the 8-bit
// bytes of UTF-8 and Latin-1; the lengths leave a partial block at the end.
TEST(TextRulesTest, UpperCaseTouchesAsciiLettersOnly)
{
    for (std::size_t length : {std::size_t{256}, std::size_t{250}, std::size_t{5}}) {
        std::string input;
        std::string expected;
        for (std::size_t i = 0; i < length; ++i) {
            const auto c = static_cast<char>(255 - i);
            input += c;
            expected += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        SCOPED_TRACE(length);
        std::string text = input;
        upperCaseInPlace(text);
        EXPECT_EQ(text, expected);
        ByteBuffer buffer = input;
        upperCaseInPlace(buffer);
        EXPECT_EQ(buffer, expected);
    }
}

} // namespace
} // namespace quillon::engine
