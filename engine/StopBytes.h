// Finds the next of three bytes in a block of input, sixteen bytes at a time where the processor allows it.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quillon::engine {

// Fields are a few bytes long, so a byte-by-byte scan mispredicts a branch at the end of nearly every field; the
// sixteen-byte compare finds the end with one predictable test instead.
class StopBytes
{
public:
    // The scan may read this many bytes past `end`; the buffer must hold them (their content does not matter).
    static constexpr std::size_t kReadAhead = 16;

    constexpr StopBytes(char a, char b, char c)
        : m_a(a)
        , m_b(b)
        , m_c(c)
    {
    }

    // The first of the three bytes in [begin, end), or `end` when there is none.
    const char* find(const char* begin, const char* end) const
    {
#ifdef __SSE2__
        const __m128i a = _mm_set1_epi8(m_a);
        const __m128i b = _mm_set1_epi8(m_b);
        const __m128i c = _mm_set1_epi8(m_c);
        for (const char* p = begin; p < end; p += kReadAhead) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b)),
                                              _mm_cmpeq_epi8(block, c));
            const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
            if (mask != 0) {
                return std::min(p + std::countr_zero(mask), end);
            }
        }
        return end;
#else
        return std::find_if(begin, end, [this](char x) { return x == m_a || x == m_b || x == m_c; });
#endif
    }

private:
    char m_a;
    char m_b;
    char m_c;
};

} // namespace quillon::engine
