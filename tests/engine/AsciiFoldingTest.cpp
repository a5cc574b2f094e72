// Which fields the folding touches: any byte outside printable ASCII, wherever it stands, and nothing past the end.
#include "engine/AsciiFolding.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

// Lengths on both sides of the sixteen-byte blocks, each with one byte outside 32 to 126 at every place, and the
// same field in plain ASCII in a buffer whose bytes past its end are not.
TEST(AsciiFoldingTest, FoldsExactlyTheFieldsThatNeedIt)
{
    for (const char odd : {'\x1F', '\x7F', '\x80', '\xE9', '\xFF', '\t'}) {
        for (std::size_t length = 1; length <= 40; ++length) {
            SCOPED_TRACE(testing::Message()
                         << "byte " << int{static_cast<unsigned char>(odd)} << ", length " << length);
            for (std::size_t at = 0; at < length; ++at) {
                std::string text(length, static_cast<char>(' ' + at % 95));
                text[at] = odd;
                ByteBuffer field(text);
                EXPECT_TRUE(foldInPlace(field, CodePage::Latin1)) << "at " << at;
                EXPECT_TRUE(isPrintableAscii(field.view()));
            }
            ByteBuffer field(std::string(length + 64, odd));
            field.assign(std::string(length, '~'));
            EXPECT_FALSE(foldInPlace(field, CodePage::Latin1));
            EXPECT_EQ(field.view(), std::string(length, '~'));
        }
    }
}

} // namespace
} // namespace quillon::engine
