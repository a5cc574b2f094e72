// Reads log.asc as a stream of comma-separated fields, 18 to a contact.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ByteOrderMarkSkip.h"
#include "engine/ByteSource.h"
#include "engine/ContactRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon::engine {

namespace detail {
class StopBytes;
} // namespace detail

enum class ReadResult {
    Complete,       // all 18 fields were read
    InputExhausted, // the input ended before the record's 18th field
    InputError,     // the input could not be read
    OddLine,        // line by line only: the line held other than 18 fields, which oddLineFields() hold
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

    // Line by line, a record is one line: a line that holds other than 18 fields is read whole as an odd line and
    // shifts nothing after it, and empty fields after the 18th (a comma at the end) are dropped. Such lines are
    // then not listed among the oddLines(), which tell of shifted records.
    void setLineByLine(bool lineByLine) { m_lineByLine = lineByLine; }
    // The fields of the odd line last read, in order.
    const std::vector<std::string>& oddLineFields() const { return m_lineFields; }

    // The line, counted from 1, on which the record last read (or cut short) begins.
    std::int64_t recordLine() const { return m_recordLine; }

    // A line that holds other than 18 fields: where the records after it start to go wrong.
    struct OddLine {
        std::int64_t line = 0;
        std::size_t fields = 0;
    };
    // The first few such lines read so far, and how many there were in all.
    static constexpr std::size_t kOddLinesKept = 5;
    const std::vector<OddLine>& oddLines() const { return m_oddLines; }
    std::int64_t oddLineCount() const { return m_oddLineCount; }

private:
    enum class Ending { Comma, LineEnd, InputEnd };

    bool readWholeLine(ContactRecord& record);
    ReadResult readLine(ContactRecord& record);
    bool readField(FieldText& field);
    void skipBlanks();
    void readQuoted(FieldText& field);
    void appendUntil(FieldText* field, const detail::StopBytes& stops);
    Ending consumeEnding();
    void consumeLineEnd();
    int peek();
    bool refill();
    void endLine(std::int64_t line);

    ByteOrderMarkSkip m_source;
    ByteBuffer m_buffer; // its size is the room for input; the bytes read are [0, m_end)
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_sourceDone = false;
    bool m_failed = false;
    bool m_atLineStart = true;
    std::int64_t m_line = 1;        // the line at the read position
    std::int64_t m_recordLine = 1;  // where the last record began
    std::size_t m_fieldsOnLine = 0; // fields read field by field on the current line
    std::vector<OddLine> m_oddLines;
    std::int64_t m_oddLineCount = 0;
    bool m_lineByLine = false;
    std::vector<std::string> m_lineFields;
    FieldText m_extraField;
};

} // namespace quillon::engine
