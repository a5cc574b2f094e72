// Finds the next of three bytes in a run of input, sixteen bytes at a time where the processor allows it.
#pragma once

#include "engine/PaddedBytes.h"
#include "engine/VectorCode.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace quillon::engine::detail {

// Fields are a few bytes long, so a byte-by-byte scan mispredicts a branch at the end of nearly every field; the
// sixteen-byte compare finds the end with one predictable test instead, looking into the spare room past the text.
class StopBytes
{
public:
    constexpr StopBytes(char a, char b, char c)
        : m_a(a)
        , m_b(b)
        , m_c(c)
    {
    }

    // Where the first of the three bytes stands in `text`, or its size when there is none.
    std::size_t find(PaddedView text) const
    {
        const char* const begin = text.data();
        const char* const end = begin + text.size();
#if QUILLON_SSE2
        constexpr std::size_t kStep = 16;
        static_assert(kStep <= kSlack);
        const __m128i a = _mm_set1_epi8(m_a);
        const __m128i b = _mm_set1_epi8(m_b);
        const __m128i c = _mm_set1_epi8(m_c);
        for (const char* p = begin; p < end; p += kStep) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b)),
                                              _mm_cmpeq_epi8(block, c));
            const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
            if (mask != 0) {
                return static_cast<std::size_t>(std::min(p + std::countr_zero(mask), end) - begin);
            }
        }
        return text.size();
#else
        return static_cast<std::size_t>(
            std::find_if(begin, end, [this](char x) { return x == m_a || x == m_b || x == m_c; }) - begin);
#endif
    }

private:
    char m_a;
    char m_b;
    char m_c;
};

} // namespace quillon::engine::detail
