// The 18 fragments of the record being converted, kept in output order.
#pragma once

#include "engine/AdifFragment.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::engine {

// Output positions: the order in which the fragments stand in a record line.
enum class OutputField : std::size_t {
    QsoDate,
    TimeOn,
    Call,
    Band,
    Freq,
    Mode,
    RstSent,
    RstRcvd,
    Name,
    Comment,
    Dxcc,
    QslSent,
    QslRcvd,
    State,
    Iota,
    Cnty,
    Cqz,
    Qth,
};

class AdifOutputSet
{
public:
    AdifFragment& operator[](OutputField field) { return m_fragments[static_cast<std::size_t>(field)]; }
    const AdifFragment& operator[](OutputField field) const { return m_fragments[static_cast<std::size_t>(field)]; }

    // Appends the record line to `out`: every fragment in output order, then `more` (fragments that every record
    // of the run carries), then "<EOR>". The line end is the writer's job.
    void appendRecordLine(ByteBuffer& out, std::string_view more = {}) const;

    // Empties every fragment, so nothing carries over to the next record. Capacity is kept for speed.
    void clear();

private:
    std::array<AdifFragment, 18> m_fragments;
};

} // namespace quillon::engine
