// Trimming, emptiness and ASCII upper-casing of field values.
#include "engine/TextRules.h"

#include "engine/VectorCode.h"

namespace quillon::engine {

void trimBlanksInPlace(ByteBuffer& text)
{
    const std::string_view view = text.view();
    const auto last = view.find_last_not_of(' ');
    if (last == std::string_view::npos) {
        text.clear();
        return;
    }
    text.truncate(last + 1);
    text.removePrefix(view.find_first_not_of(' '));
}

bool isAllSpaces(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

namespace {

void upperCaseBytes(char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] >= 'a' && bytes[i] <= 'z') {
            bytes[i] = static_cast<char>(bytes[i] - 'a' + 'A');
        }
    }
}

} // namespace

void upperCaseInPlace(ByteBuffer& text)
{
#if QUILLON_SSE2
    static_assert(detail::kSlack >= 16);
    // Bytes a-z are the ones that, moved down by 'a' and into signed range, fall below -128 + 26.
    const __m128i shift = _mm_set1_epi8(static_cast<char>(-128 - 'a'));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(-128 + 26));
    const __m128i caseBit = _mm_set1_epi8(0x20);
    char* bytes = text.data();
    for (std::size_t i = 0; i < text.size(); i += 16) {
        auto* at = reinterpret_cast<__m128i*>(bytes + i);
        const __m128i block = _mm_loadu_si128(at);
        const __m128i lower = _mm_cmplt_epi8(_mm_add_epi8(block, shift), limit);
        _mm_storeu_si128(at, _mm_xor_si128(block, _mm_and_si128(lower, caseBit)));
    }
#else
    upperCaseBytes(text.data(), text.size());
#endif
}

void upperCaseInPlace(std::string& text)
{
    upperCaseBytes(text.data(), text.size());
}

} // namespace quillon::engine
