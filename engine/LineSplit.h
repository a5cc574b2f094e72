// Splits one whole input line into its fields at once, finding the special bytes 64 at a time. Only the reader
// uses it.
#pragma once

#include "engine/ContactRecord.h"
#include "engine/PaddedBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon::engine::detail {

class FieldEndCursor;

// Nearly every line of a log is one contact: 18 fields and a line end. Marking every comma, quote and line end of
// the line in one pass, and then walking from field to field along the marks, saves most of the reading work
// against one search per field. The rules are those of InputRules.h.
class LineSplit
{
public:
    // Splits the line at the start of `text` when it ends (LF or CR LF) within the text and within kLongestLine
    // bytes, and holds exactly 18 fields; returns false for anything else, which the reader then takes field by
    // field.
    bool split(PaddedView text);

    // Where field i starts and how long it is, from the start of the line.
    std::size_t start(std::size_t i) const { return m_start[i]; }
    std::size_t size(std::size_t i) const { return m_size[i]; }
    // The length of the line with its line end.
    std::size_t lineLength() const { return m_lineLength; }

private:
    static constexpr std::size_t kChunk = 64;
    static constexpr std::size_t kChunks = 8;
    static constexpr std::size_t kLongestLine = kChunk * kChunks;
    static_assert(kChunk <= kSlack, "a chunk is read whole, past the end of the text");

    bool markChunks(const char* line, std::size_t length);
    std::size_t nextMark(const std::array<std::uint64_t, kChunks>& marks, std::size_t from) const;
    std::size_t takeUnusualField(const char* line, std::size_t at, FieldEndCursor& ends, std::size_t i);
    static_assert(kChunk == 64 && kChunks == 8, "FieldEndCursor walks eight 64-bit masks");

    std::array<std::uint64_t, kChunks> m_fieldEnds; // commas and the line end
    std::array<std::uint64_t, kChunks> m_quoteEnds; // quotes and the line end
    std::size_t m_lineEnd = 0;
    std::size_t m_lineLength = 0;
    std::array<std::size_t, kFieldCount> m_start;
    std::array<std::size_t, kFieldCount> m_size;
};

} // namespace quillon::engine::detail
