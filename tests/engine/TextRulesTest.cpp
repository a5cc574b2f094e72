// Trimming and upper-casing of field values.
#include "engine/TextRules.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

TEST(TextRulesTest, TrimDropsOnlySpaces)
{
    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""}, {"   ", ""}, {" nice qso ", "nice qso"}, {"\tx\t", "\tx\t"}, {"a", "a"}, {"  a", "a"}, {"a  ", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        ByteBuffer inPlace = c.input;
        trimInPlace(inPlace);
        EXPECT_EQ(inPlace, c.expected);
        EXPECT_EQ(isBlank(c.input), c.expected.empty());
    }
}

TEST(TextRulesTest, UpperCaseTouchesAsciiLettersOnly)
{
    std::string text = "ma z\xc3\xa9 \xe9t{`}";
    upperCaseInPlace(text);
    EXPECT_EQ(text, "MA Z\xc3\xa9 \xe9T{`}");
}

} // namespace
} // namespace quillon::engine
