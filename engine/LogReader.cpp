// The field stream of log.asc, read through one fixed buffer: whole lines at once, anything else field by field.
#include "engine/LogReader.h"

#include "engine/InputRules.h"
#include "engine/LineSplit.h"
#include "engine/StopBytes.h"
#include "engine/TextRules.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace quillon::engine {

using namespace detail;

namespace {

constexpr int kInputEnd = -1;

constexpr StopBytes kEndsUnquoted{kComma, kCr, kLf};
constexpr StopBytes kEndsQuoted{kQuote, kCr, kLf};

} // namespace

LogReader::LogReader(ByteSource& source, std::size_t bufferSize)
    : m_source(source)
{
    m_buffer.extend(bufferSize);
}

bool LogReader::atEnd()
{
    skipBlanks();
    return peek() == kInputEnd && !m_failed;
}

ReadResult LogReader::readRecord(ContactRecord& record)
{
    m_recordLine = m_line;
    if (readWholeLine(record)) {
        return ReadResult::Complete;
    }
    if (m_lineByLine) {
        return readLine(record);
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const bool read = readField(record.atInputPosition(i));
        if (m_failed) {
            return ReadResult::InputError;
        }
        if (!read) {
            return ReadResult::InputExhausted;
        }
    }
    return ReadResult::Complete;
}

// The common case: the record is one whole buffered line. Returns false, having consumed nothing, for anything
// else.
bool LogReader::readWholeLine(ContactRecord& record)
{
    const PaddedView rest = m_buffer.padded().part(m_pos, m_end - m_pos);
    LineSplit line;
    if (!m_atLineStart || !line.split(rest)) {
        return false;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        record.atInputPosition(i).assignPadded(rest.part(line.start(i), line.size(i)));
    }
    m_pos += line.lineLength();
    ++m_line;
    return true;
}

// A line that is not split at once: its fields are read one by one up to the line end, the 18 that fit into the
// record and the rest beside it.
ReadResult LogReader::readLine(ContactRecord& record)
{
    m_lineFields.clear();
    do {
        const std::size_t i = m_lineFields.size();
        FieldText& field = i < kFieldCount ? record.atInputPosition(i) : m_extraField;
        const bool read = readField(field);
        if (m_failed) {
            return ReadResult::InputError;
        }
        if (!read) {
            return ReadResult::InputExhausted;
        }
        m_lineFields.emplace_back(field.view());
    } while (!m_atLineStart);
    while (m_lineFields.size() > kFieldCount && isBlank(m_lineFields.back())) {
        m_lineFields.pop_back();
    }
    return m_lineFields.size() == kFieldCount ? ReadResult::Complete : ReadResult::OddLine;
}

// Any field, wherever it ends. Returns false when no field is left: the input ended at the start of a line.
bool LogReader::readField(FieldText& field)
{
    field.clear();
    skipBlanks();
    const int first = peek();
    ++m_fieldsOnLine;
    if (first == kInputEnd) {
        if (m_atLineStart) {
            --m_fieldsOnLine;
            return false;
        }
        // A comma just before the end of the input leaves one empty field.
        m_atLineStart = true;
        endLine(m_line);
        return true;
    }
    if (first == kQuote) {
        ++m_pos;
        readQuoted(field);
    } else {
        appendUntil(&field, kEndsUnquoted);
    }
    const std::int64_t line = m_line; // the line end, when it comes, moves the count on
    m_atLineStart = consumeEnding() != Ending::Comma;
    if (m_atLineStart) {
        endLine(line);
    }
    return true;
}

// A line read field by field is over: one with other than 18 fields shifts the records after it.
void LogReader::endLine(std::int64_t line)
{
    const std::size_t fields = std::exchange(m_fieldsOnLine, 0);
    if (fields == kFieldCount || m_lineByLine) {
        return;
    }
    if (m_oddLines.size() < kOddLinesKept) {
        m_oddLines.push_back({line, fields});
    }
    ++m_oddLineCount;
}

// Blanks before a field are skipped; at the start of a line, so are lines that hold nothing else.
void LogReader::skipBlanks()
{
    for (;;) {
        const int c = peek();
        if (c == kInputEnd) {
            return;
        }
        if (isLeadingBlank(static_cast<char>(c))) {
            ++m_pos;
        } else if (m_atLineStart && isLineEnd(static_cast<char>(c))) {
            consumeLineEnd();
        } else {
            return;
        }
    }
}

// The value runs to the closing quote or the line end; anything between the closing quote and the separator is
// dropped.
void LogReader::readQuoted(FieldText& field)
{
    appendUntil(&field, kEndsQuoted);
    if (peek() == kQuote) {
        ++m_pos;
        appendUntil(nullptr, kEndsUnquoted);
    }
}

// Appends bytes to `field` (or drops them when it is null) up to the first of the stop bytes, which is left
// unread, or up to the end of the input.
void LogReader::appendUntil(FieldText* field, const StopBytes& stops)
{
    for (;;) {
        const PaddedView rest = m_buffer.padded().part(m_pos, m_end - m_pos);
        const std::size_t stop = stops.find(rest);
        if (field != nullptr) {
            field->append(rest.part(0, stop));
        }
        m_pos += stop;
        if (stop != rest.size() || !refill()) {
            return;
        }
    }
}

LogReader::Ending LogReader::consumeEnding()
{
    const int c = peek();
    if (c == kComma) {
        ++m_pos;
        return Ending::Comma;
    }
    if (c == kInputEnd) {
        return Ending::InputEnd;
    }
    consumeLineEnd();
    return Ending::LineEnd;
}

// Takes LF, CR LF or a lone CR as one line end. Expects a CR or LF to be next.
void LogReader::consumeLineEnd()
{
    const char c = m_buffer.data()[m_pos++];
    if (c == kCr && peek() == kLf) {
        ++m_pos;
    }
    ++m_line;
}

int LogReader::peek()
{
    if (m_pos == m_end && !refill()) {
        return kInputEnd;
    }
    return static_cast<unsigned char>(m_buffer.data()[m_pos]);
}

// Loads the next block of input once the buffer has been used up.
bool LogReader::refill()
{
    if (m_sourceDone) {
        return false;
    }
    m_pos = 0;
    m_end = 0;
    const long count = m_source.read(m_buffer.data(), m_buffer.size());
    if (count <= 0) {
        m_sourceDone = true;
        m_failed = count < 0;
        return false;
    }
    m_end = static_cast<std::size_t>(count);
    return true;
}

} // namespace quillon::engine
