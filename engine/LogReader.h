// Reads log.asc as a stream of comma-separated fields, 18 to a contact.
#pragma once

#include "engine/ByteSource.h"
#include "engine/ContactRecord.h"
#include "engine/LineFields.h"

#include <memory>
#include <string>

namespace quillon::engine {

class StopBytes;

enum class ReadResult {
    Complete,       // all 18 fields were read
    InputExhausted, // the input ended before the record's 18th field
    InputError,     // the input could not be read
};

// Fields end at a comma or at a line end (LF, CR LF or a lone CR); blanks before a field are skipped; a field
// that starts with a double quote runs to the next double quote or the line end, and what follows the closing
// quote up to the separator is dropped. Lines that hold nothing but blanks are skipped. Records are not tied to
// lines. Bytes pass through unchanged, whatever their value. The reader keeps one buffer, so its memory does
// not grow with the input, only with the longest field.
class LogReader
{
public:
    explicit LogReader(ByteSource& source, std::size_t bufferSize = 256 * 1024);

    // True when nothing but blanks and line ends is left to read (and no read has failed).
    bool atEnd();

    // Reads the next 18 fields into the record. After a failure the fields read so far stay in the record.
    ReadResult readRecord(ContactRecord& record);

    // How many fields, from the first, the last readRecord() wrote to: all 18 unless it failed.
    std::size_t fieldsWritten() const { return m_fieldsWritten; }

    // When the next record is one whole buffered line (the common case), takes it and returns where it starts;
    // lineFields() then tells where its fields are. Both stay valid until the next read. Returns null, having
    // taken nothing, for anything else.
    const char* takeWholeLine();
    const LineFields& lineFields() const { return m_lineFields; }

private:
    enum class Ending { Comma, LineEnd, InputEnd };

    bool readWholeLine(ContactRecord& record);
    bool readPlainField(FieldText& field);
    bool readAnyField(FieldText& field);
    void skipBlanks();
    void readQuoted(FieldText& field);
    void appendUntil(FieldText* field, const StopBytes& stops);
    Ending consumeEnding();
    void consumeLineEnd();
    int peek();
    bool refill();

    ByteSource& m_source;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_sourceDone = false;
    bool m_failed = false;
    bool m_atLineStart = true;
    std::size_t m_fieldsWritten = 0;
    LineFields m_lineFields;
};

} // namespace quillon::engine
