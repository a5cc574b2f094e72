// Marking the special bytes of a line and walking from field to field along the marks.
#include "engine/LineSplit.h"

#include "engine/InputRules.h"
#include "engine/VectorCode.h"

#include <bit>

namespace quillon::engine::detail {

namespace {

struct ChunkMarks {
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;
    std::uint64_t lineEnds = 0; // CRs and LFs
};

#if QUILLON_SSE2
std::uint64_t maskOf(__m128i block, char byte)
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(byte))));
}
#endif

// Bit i of each mask tells about chunk[i]. Reads all 64 bytes.
ChunkMarks markChunk(const char* chunk)
{
    ChunkMarks marks;
#if QUILLON_SSE2
    for (unsigned i = 0; i < 64; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + i));
        marks.commas |= maskOf(block, kComma) << i;
        marks.quotes |= maskOf(block, kQuote) << i;
        marks.lineEnds |= (maskOf(block, kCr) | maskOf(block, kLf)) << i;
    }
#else
    for (unsigned i = 0; i < 64; ++i) {
        const char c = chunk[i];
        marks.commas |= std::uint64_t{c == kComma} << i;
        marks.quotes |= std::uint64_t{c == kQuote} << i;
        marks.lineEnds |= std::uint64_t{isLineEnd(c)} << i;
    }
#endif
    return marks;
}

} // namespace

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

// Marks the chunks up to the first line end. False when there is none within the text or the longest line.
bool LineSplit::markChunks(const char* line, std::size_t length)
{
    for (std::size_t chunk = 0; chunk < kChunks && chunk * kChunk < length; ++chunk) {
        const std::size_t base = chunk * kChunk;
        ChunkMarks marks = markChunk(line + base);
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
std::size_t LineSplit::nextMark(const std::array<std::uint64_t, kChunks>& marks, std::size_t from) const
{
    std::size_t chunk = from / kChunk;
    std::uint64_t bits = marks[chunk] & (~std::uint64_t{0} << (from % kChunk));
    while (bits == 0) {
        bits = marks[++chunk];
    }
    return chunk * kChunk + static_cast<std::size_t>(std::countr_zero(bits));
}

// A field that starts with blanks or a quote, or is empty at the line end. Returns where it ends.
std::size_t LineSplit::takeUnusualField(const char* line, std::size_t at, FieldEndCursor& ends, std::size_t i)
{
    while (at < m_lineEnd && isLeadingBlank(line[at])) {
        ++at;
    }
    if (line[at] != kQuote) {
        const std::size_t stop = ends.next();
        m_start[i] = at;
        m_size[i] = stop - at;
        return stop;
    }
    // A quoted value runs to the closing quote; what follows it up to the separator is dropped.
    const std::size_t close = nextMark(m_quoteEnds, at + 1);
    m_start[i] = at + 1;
    m_size[i] = close - at - 1;
    ends.skipTo(close == m_lineEnd ? close : close + 1);
    return ends.next();
}

bool LineSplit::split(PaddedView text)
{
    const char* const line = text.data();
    const std::size_t length = text.size();
    if (!markChunks(line, length)) {
        return false;
    }
    // A CR is a line end on its own; whether an LF follows it must be known before the line is taken.
    if (line[m_lineEnd] == kCr && (m_lineEnd + 1 >= length || line[m_lineEnd + 1] != kLf)) {
        return false;
    }
    FieldEndCursor ends(m_fieldEnds);
    std::size_t at = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        std::size_t stop;
        if (isPlainStart(line[at])) [[likely]] {
            stop = ends.next();
            m_start[i] = at;
            m_size[i] = stop - at;
        } else {
            stop = takeUnusualField(line, at, ends, i);
        }
        // Every field but the last ends at a comma; the last ends the line.
        if ((stop == m_lineEnd) != (i == kFieldCount - 1)) {
            return false;
        }
        at = stop + 1;
    }
    m_lineLength = m_lineEnd + (line[m_lineEnd] == kCr ? 2 : 1);
    return true;
}

} // namespace quillon::engine::detail
