// UTF-8 read and written one code point at a time.
#include "engine/Utf8.h"

namespace quillon::engine {

namespace {

// The length of the UTF-8 sequence that starts with `lead`, and the smallest code point it may carry; 0 for a byte
// that starts none.
struct Utf8Lead {
    std::size_t length;
    char32_t smallest;
};

constexpr Utf8Lead utf8Lead(unsigned char lead)
{
    if (lead < 0x80) {
        return {1, 0};
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, 0x800};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, 0x10000};
    }
    return {0, 0};
}

} // namespace

bool decodeUtf8(std::string_view text, std::size_t& at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const Utf8Lead shape = utf8Lead(lead);
    if (shape.length == 0 || at + shape.length > text.size()) {
        return false;
    }
    codePoint = shape.length == 1 ? lead : lead & (0x7FU >> shape.length);
    for (std::size_t i = 1; i < shape.length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0U) != 0x80U) {
            return false;
        }
        codePoint = codePoint << 6 | (next & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < shape.smallest || codePoint > 0x10FFFF || surrogate) {
        return false;
    }
    at += shape.length;
    return true;
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace quillon::engine
