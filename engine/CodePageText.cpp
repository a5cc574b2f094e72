// The ways between a log's code page and UTF-8.
#include "engine/CodePageText.h"

#include "engine/AsciiFolding.h"
#include "engine/CodePageTables.h"
#include "engine/Utf8.h"

#include <algorithm>

namespace quillon::engine {

namespace {

// The byte that stands for the character in the page; none when the page has none.
std::optional<char> byteOf(char32_t c, CodePage page)
{
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (detail::characterOf(static_cast<unsigned char>(byte), page) == c) {
            return static_cast<char>(byte);
        }
    }
    return std::nullopt;
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

CodePage logTextPage(std::string_view logBytes, CodePage chosen)
{
    return !isAscii(logBytes) && isValidUtf8(logBytes) ? CodePage::Utf8 : chosen;
}

std::string utf8FromLogText(std::string_view bytes, CodePage page)
{
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    for (const char byte : bytes) {
        appendUtf8(text, static_cast<unsigned char>(byte) < 0x80
                             ? static_cast<unsigned char>(byte)
                             : detail::characterOf(static_cast<unsigned char>(byte), page));
    }
    return text;
}

std::optional<std::string> logTextFromUtf8(std::string_view utf8, CodePage page)
{
    if (!isValidUtf8(utf8)) {
        return std::nullopt;
    }
    if (page == CodePage::Utf8) {
        return std::string(utf8);
    }
    std::string bytes;
    char32_t c = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        decodeUtf8(utf8, at, c);
        const auto byte = byteOf(c, page);
        if (!byte) {
            return std::nullopt;
        }
        bytes += *byte;
    }
    return bytes;
}

std::string firstCharacterNotIn(std::string_view utf8, CodePage page)
{
    char32_t c = 0;
    for (std::size_t at = 0; page != CodePage::Utf8 && at < utf8.size();) {
        const std::size_t start = at;
        if (!decodeUtf8(utf8, at, c)) {
            break;
        }
        if (!byteOf(c, page)) {
            return std::string(utf8.substr(start, at - start));
        }
    }
    return {};
}

} // namespace quillon::engine
