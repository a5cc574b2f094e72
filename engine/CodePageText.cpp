// The upper halves of the DOS and Windows code pages as Unicode code points, and the ways between them and UTF-8.
#include "engine/CodePageText.h"

#include "engine/AsciiFolding.h"

#include <algorithm>
#include <iterator>

namespace quillon::engine {

namespace {

// DOS 437, 0x80 to 0xFF.
constexpr char16_t kDos437[] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};
// DOS 850, 0x80 to 0xFF.
constexpr char16_t kDos850[] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};
// Windows-1252, 0x80 to 0x9F; from 0xA0 it is ISO-8859-1. The five bytes it leaves out stand for the
// control characters of the same numbers, as Windows reads them.
constexpr char16_t kWindows1252[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of a byte from 0x80 up in the page; ISO-8859-1 (and bytes read in place of UTF-8) keep their number.
char32_t characterOf(unsigned char byte, CodePage page)
{
    const std::size_t index = byte - 0x80U;
    switch (page) {
    case CodePage::Dos437:
        return kDos437[index];
    case CodePage::Dos850:
        return kDos850[index];
    case CodePage::Windows1252:
        return index < std::size(kWindows1252) ? kWindows1252[index] : byte;
    default:
        return byte;
    }
}

void appendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next character of valid UTF-8 text at `at`, which moves past it.
char32_t nextCharacter(std::string_view utf8, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    const std::size_t more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = more == 0 ? lead : lead & (0x3F >> more);
    for (std::size_t i = 0; i < more; ++i) {
        c = (c << 6) | (static_cast<unsigned char>(utf8[at++]) & 0x3FU);
    }
    return c;
}

// The byte that stands for the character in the page; none when the page has none.
std::optional<char> byteOf(char32_t c, CodePage page)
{
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (characterOf(static_cast<unsigned char>(byte), page) == c) {
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
        appendUtf8(text, static_cast<unsigned char>(byte) < 0x80 ? static_cast<unsigned char>(byte)
                                                                 : characterOf(static_cast<unsigned char>(byte), page));
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
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = byteOf(nextCharacter(utf8, at), page);
        if (!byte) {
            return std::nullopt;
        }
        bytes += *byte;
    }
    return bytes;
}

std::string firstCharacterNotIn(std::string_view utf8, CodePage page)
{
    for (std::size_t at = 0; page != CodePage::Utf8 && at < utf8.size();) {
        const std::size_t start = at;
        if (!byteOf(nextCharacter(utf8, at), page)) {
            return std::string(utf8.substr(start, at - start));
        }
    }
    return {};
}

} // namespace quillon::engine
