// A log's text shown as UTF-8 and written back in its code page: each page's characters, every byte back to
// itself, and the characters a page cannot hold.
#include "engine/CodePageText.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

struct PageCase {
    CodePage page;
    std::string_view bytes;
    std::string_view utf8;
};

constexpr PageCase kPageCases[] = {
    {CodePage::Dos437, "J\x81rgen \xE1", "J\u00FCrgen \u00DF"},
    {CodePage::Dos850, "S\x9Bren \x8F", "S\u00F8ren \u00C5"},
    {CodePage::Windows1252, "\x80 \x8Cuvre \xE9", "\u20AC \u0152uvre \u00E9"},
    {CodePage::Latin1, "Jos\xE9 \x80", "Jos\u00E9 \u0080"},
    {CodePage::Utf8, "Jos\xC3\xA9", "Jos\u00E9"},
};

TEST(CodePageTextTest, ShowsAndWritesEachPagesCharacters)
{
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE(std::string(c.utf8));
        EXPECT_EQ(utf8FromLogText(c.bytes, c.page), c.utf8);
        EXPECT_EQ(logTextFromUtf8(c.utf8, c.page), std::string(c.bytes));
    }
}

// Not in UTF-8: there a stray byte is shown as ISO-8859-1 reads it, and what is typed is written as UTF-8.
TEST(CodePageTextTest, EveryByteComesBackAsItself)
{
    for (const CodePage page : {CodePage::Dos437, CodePage::Dos850, CodePage::Windows1252, CodePage::Latin1}) {
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const std::string one(1, static_cast<char>(byte));
            EXPECT_EQ(logTextFromUtf8(utf8FromLogText(one, page), page), one) << byte;
        }
    }
}

TEST(CodePageTextTest, NamesWhatAPageCannotHoldAndReadsAUtf8LogAsUtf8)
{
    EXPECT_EQ(firstCharacterNotIn("Zo\u00EB S\u00F8ren", CodePage::Dos437), "\u00F8");
    EXPECT_EQ(logTextPage("plain,ascii", CodePage::Dos437), CodePage::Dos437);
    EXPECT_EQ(logTextPage("Jos\xC3\xA9", CodePage::Dos437), CodePage::Utf8);
    EXPECT_EQ(logTextPage("Jos\xE9", CodePage::Dos437), CodePage::Dos437);
}

} // namespace
} // namespace quillon::engine
