// The 18 text fields of one logged contact, in the order they are read from log.asc.
#pragma once

#include "engine/ByteBuffer.h"

#include <array>
#include <cstddef>

namespace quillon::engine {

// Input positions of the fields: the order of the columns in log.asc.
enum class Field : std::size_t {
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
    Date,
    Time,
};

inline constexpr std::size_t kFieldCount = 18;

// A field's text: bytes as read, trimmed and normalised in place by the conversions.
using FieldText = ByteBuffer;

class ContactRecord
{
public:
    FieldText& operator[](Field field) { return m_fields[static_cast<std::size_t>(field)]; }
    const FieldText& operator[](Field field) const { return m_fields[static_cast<std::size_t>(field)]; }

    // The field at a zero-based input position, as the reader fills them.
    FieldText& atInputPosition(std::size_t position) { return m_fields[position]; }

private:
    std::array<FieldText, kFieldCount> m_fields;
};

} // namespace quillon::engine
