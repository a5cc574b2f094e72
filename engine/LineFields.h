// Splits one whole input line into its fields at once, finding the special bytes 64 at a time.
#pragma once

#include "engine/ContactRecord.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quillon::engine {

// Nearly every line of a log is one contact: 18 fields and a line end. Marking every comma, quote and line end of
// the line in one pass, and then walking from field to field along the marks, saves most of the reading work
// against one search per field.
class LineFields
{
public:
    // Bytes a split may read past the end of the text it is given.
    static constexpr std::size_t kReadAhead = 64;

    // Splits the line that starts at `line` when it ends (LF or CR LF) before `end`, within kLongestLine bytes,
    // and holds exactly 18 fields by the reader's rules; returns false for anything else.
    bool split(const char* line, const char* end);

    // Where field i starts and how long it is, from the start of the line.
    std::size_t start(std::size_t i) const { return m_start[i]; }
    std::size_t size(std::size_t i) const { return m_size[i]; }
    // The length of the line with its line end.
    std::size_t lineLength() const { return m_lineLength; }

private:
    static constexpr std::size_t kChunk = 64;
    static constexpr std::size_t kChunks = 8;
    static constexpr std::size_t kLongestLine = kChunk * kChunks;

    bool markChunks(const char* line, std::size_t length);
    std::size_t nextMark(const std::array<std::uint64_t, kChunks>& marks, std::size_t from) const;
    static_assert(kChunk == 64 && kChunks == 8, "FieldEndCursor walks eight 64-bit masks");

    std::array<std::uint64_t, kChunks> m_fieldEnds; // commas and the line end
    std::array<std::uint64_t, kChunks> m_quoteEnds; // quotes and the line end
    std::size_t m_lineEnd = 0;
    std::size_t m_lineLength = 0;
    std::array<std::size_t, kFieldCount> m_start;
    std::array<std::size_t, kFieldCount> m_size;
};

namespace linefields_detail {

struct ChunkMarks {
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;
    std::uint64_t lineEnds = 0; // CRs and LFs
};

#ifdef __SSE2__
inline std::uint64_t maskOf(__m128i block, char byte)
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(byte))));
}
#endif

// Bit i of each mask tells about chunk[i]. Reads all 64 bytes.
inline ChunkMarks markChunk(const char* chunk)
{
    ChunkMarks marks;
#ifdef __SSE2__
    for (unsigned i = 0; i < 64; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + i));
        marks.commas |= maskOf(block, ',') << i;
        marks.quotes |= maskOf(block, '"') << i;
        marks.lineEnds |= (maskOf(block, '\r') | maskOf(block, '\n')) << i;
    }
#else
    for (unsigned i = 0; i < 64; ++i) {
        const char c = chunk[i];
        marks.commas |= std::uint64_t{c == ','} << i;
        marks.quotes |= std::uint64_t{c == '"'} << i;
        marks.lineEnds |= std::uint64_t{c == '\r' || c == '\n'} << i;
    }
#endif
    return marks;
}

} // namespace linefields_detail

// Marks the chunks up to the first line end. False when there is none within the text or the longest line.
inline bool LineFields::markChunks(const char* line, std::size_t length)
{
    for (std::size_t chunk = 0; chunk < kChunks && chunk * kChunk < length; ++chunk) {
        const std::size_t base = chunk * kChunk;
        linefields_detail::ChunkMarks marks = linefields_detail::markChunk(line + base);
        if (length - base < kChunk) {
            marks.lineEnds &= (std::uint64_t{1} << (length - base)) - 1;
        }
        m_fieldEnds[chunk] = marks.commas | marks.lineEnds;
        m_quoteEnds[chunk] = marks.quotes | marks.lineEnds;
        if (marks.lineEnds != 0) {
            m_lineEnd = base + static_cast<std::size_t>(std::countr_zero(marks.lineEnds));
            return true;
        }
    }
    return false;
}

// The first marked position at or after `from`. The line end is marked in both kinds, so a search never runs
// past it.
inline std::size_t LineFields::nextMark(const std::array<std::uint64_t, kChunks>& marks, std::size_t from) const
{
    std::size_t chunk = from / kChunk;
    std::uint64_t bits = marks[chunk] & (~std::uint64_t{0} << (from % kChunk));
    while (bits == 0) {
        bits = marks[++chunk];
    }
    return chunk * kChunk + static_cast<std::size_t>(std::countr_zero(bits));
}

// Walks the field ends in order. Each step only clears the lowest mark, so one field's end does not wait for the
// search of the one before.
class FieldEndCursor
{
public:
    explicit FieldEndCursor(const std::array<std::uint64_t, 8>& marks)
        : m_marks(marks)
        , m_bits(marks[0])
    {
    }

    std::size_t next()
    {
        while (m_bits == 0) {
            m_bits = m_marks[++m_chunk];
        }
        const auto at = m_chunk * 64 + static_cast<std::size_t>(std::countr_zero(m_bits));
        m_bits &= m_bits - 1;
        return at;
    }

    // Forgets the marks before `from`: the commas inside a quoted value.
    void skipTo(std::size_t from)
    {
        m_chunk = from / 64;
        m_bits = m_marks[m_chunk] & (~std::uint64_t{0} << (from % 64));
    }

private:
    const std::array<std::uint64_t, 8>& m_marks;
    std::size_t m_chunk = 0;
    std::uint64_t m_bits;
};

inline bool LineFields::split(const char* line, const char* end)
{
    const auto length = static_cast<std::size_t>(end - line);
    if (!markChunks(line, length)) {
        return false;
    }
    // A CR is a line end on its own; whether an LF follows it must be known before the line is taken.
    if (line[m_lineEnd] == '\r' && (m_lineEnd + 1 >= length || line[m_lineEnd + 1] != '\n')) {
        return false;
    }
    FieldEndCursor ends(m_fieldEnds);
    std::size_t at = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        while (at < m_lineEnd && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        std::size_t stop;
        if (line[at] == '"') [[unlikely]] {
            // A quoted value runs to the closing quote; what follows it up to the separator is dropped.
            const std::size_t close = nextMark(m_quoteEnds, at + 1);
            m_start[i] = at + 1;
            m_size[i] = close - at - 1;
            ends.skipTo(close == m_lineEnd ? close : close + 1);
            stop = ends.next();
        } else {
            stop = ends.next();
            m_start[i] = at;
            m_size[i] = stop - at;
        }
        // Every field but the last ends at a comma; the last ends the line.
        if ((stop == m_lineEnd) != (i == kFieldCount - 1)) {
            return false;
        }
        at = stop + 1;
    }
    m_lineLength = m_lineEnd + (line[m_lineEnd] == '\r' ? 2 : 1);
    return true;
}

} // namespace quillon::engine
