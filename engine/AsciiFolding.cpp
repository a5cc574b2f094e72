// Reading a field in its code page or as UTF-8, and folding what it holds to printable ASCII.
#include "engine/AsciiFolding.h"

#include "engine/CodePageTables.h"
#include "engine/Utf8.h"
#include "engine/VectorCode.h"

#include <algorithm>

namespace quillon::engine {

namespace {

constexpr bool isPrintable(unsigned char c)
{
    return c >= 32 && c <= 126;
}

void appendFolded(std::string& out, unsigned char c, std::string_view nonAscii)
{
    if (isPrintable(c)) {
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += ' ';
    } else if (c < 0x80) {
        out += '?'; // control characters
    } else {
        out += nonAscii;
    }
}

// The check of a field that nearly every field passes, sixteen bytes at a time where the processor allows it; the
// bytes read past the end of the text are left out of the verdict.
bool isPrintableAsciiPadded(detail::PaddedView text)
{
#if QUILLON_SSE2
    static_assert(detail::kSlack >= 16);
    // Bytes 32 to 126 are the ones that, moved down by 32 and into signed range, fall below -128 + 95.
    const __m128i shift = _mm_set1_epi8(static_cast<char>(-128 - 32));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(-128 + 95));
    for (std::size_t i = 0; i < text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const auto printable =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(_mm_add_epi8(block, shift), limit)));
        const std::size_t left = text.size() - i;
        const unsigned wanted = left >= 16 ? 0xFFFFU : (1U << left) - 1;
        if ((printable & wanted) != wanted) {
            return false;
        }
    }
    return true;
#else
    return isPrintableAscii(std::string_view(text));
#endif
}

} // namespace

bool isPrintableAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return isPrintable(static_cast<unsigned char>(c)); });
}

bool isValidUtf8(std::string_view text)
{
    char32_t codePoint = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (!decodeUtf8(text, at, codePoint)) {
            return false;
        }
    }
    return true;
}

std::string foldedToAscii(std::string_view text, CodePage page)
{
    std::string out;
    out.reserve(text.size());
    if (isValidUtf8(text)) {
        char32_t codePoint = 0;
        for (std::size_t at = 0; at < text.size();) {
            decodeUtf8(text, at, codePoint);
            const auto c = static_cast<unsigned char>(codePoint < 0x80 ? codePoint : 0x80);
            appendFolded(out, c, detail::foldedCodePoint(codePoint));
        }
        return out;
    }
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        appendFolded(out, c, c >= 0x80 ? detail::foldedCodePoint(detail::characterOf(c, page)) : std::string_view());
    }
    return out;
}

bool foldInPlace(ByteBuffer& field, CodePage page)
{
    if (isPrintableAsciiPadded(field.padded())) {
        return false;
    }
    field.assign(foldedToAscii(field.view(), page));
    return true;
}

} // namespace quillon::engine
