// Reads log.asc as a stream of comma-separated fields, 18 to a contact.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ByteSource.h"
#include "engine/ContactRecord.h"

#include <cstddef>

namespace quillon::engine {

namespace detail {
class StopBytes;
} // namespace detail

enum class ReadResult {
    Complete,       // all 18 fields were read
    InputExhausted, // the input ended before the record's 18th field
    InputError,     // the input could not be read
};

// Reads by the rules of InputRules.h. A record that is one whole line in the buffer, as nearly all are, is split at
// once; anything else (a record over several lines, a line across the end of the buffer, a very long line) is
// read field by field. The reader keeps one buffer, so its memory does not grow with the input, only with the
// longest field.
class LogReader
{
public:
    static constexpr std::size_t kDefaultBufferSize = 256 * 1024;

    explicit LogReader(ByteSource& source, std::size_t bufferSize = kDefaultBufferSize);

    // True when nothing but blanks and line ends is left to read (and no read has failed).
    bool atEnd();

    // Reads the next 18 fields into the record. After a failure the fields read so far stay in the record.
    ReadResult readRecord(ContactRecord& record);

private:
    enum class Ending { Comma, LineEnd, InputEnd };

    bool readWholeLine(ContactRecord& record);
    bool readField(FieldText& field);
    void skipBlanks();
    void readQuoted(FieldText& field);
    void appendUntil(FieldText* field, const detail::StopBytes& stops);
    Ending consumeEnding();
    void consumeLineEnd();
    int peek();
    bool refill();

    ByteSource& m_source;
    ByteBuffer m_buffer; // its size is the room for input; the bytes read are [0, m_end)
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_sourceDone = false;
    bool m_failed = false;
    bool m_atLineStart = true;
};

} // namespace quillon::engine
