// The field stream of log.asc, read through one fixed buffer.
#include "engine/LogReader.h"

#include "engine/LineFields.h"
#include "engine/StopBytes.h"

#include <algorithm>

namespace quillon::engine {

namespace {

constexpr int kInputEnd = -1;

constexpr StopBytes kEndsUnquoted{',', '\r', '\n'};
constexpr StopBytes kEndsQuoted{'"', '\r', '\n'};

// The scans read ahead of the buffered bytes and the fields are copied out in blocks, so the buffer keeps this
// much room after its end.
constexpr std::size_t kSpareBytes = std::max({StopBytes::kReadAhead, ByteBuffer::kSlack, LineFields::kReadAhead});

} // namespace

LogReader::LogReader(ByteSource& source, std::size_t bufferSize)
    : m_source(source)
    , m_buffer(new char[bufferSize + kSpareBytes]())
    , m_capacity(bufferSize)
{
}

bool LogReader::atEnd()
{
    skipBlanks();
    return peek() == kInputEnd && !m_failed;
}

ReadResult LogReader::readRecord(ContactRecord& record)
{
    m_fieldsWritten = kFieldCount;
    if (readWholeLine(record)) {
        return ReadResult::Complete;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        FieldText& field = record.atInputPosition(i);
        if (readPlainField(field)) {
            continue;
        }
        m_fieldsWritten = i + 1;
        const bool read = readAnyField(field);
        if (m_failed) {
            return ReadResult::InputError;
        }
        if (!read) {
            return ReadResult::InputExhausted;
        }
    }
    m_fieldsWritten = kFieldCount;
    return ReadResult::Complete;
}

const char* LogReader::takeWholeLine()
{
    const char* const line = m_buffer.get() + m_pos;
    if (!m_atLineStart || !m_lineFields.split(line, m_buffer.get() + m_end)) {
        return nullptr;
    }
    m_pos += m_lineFields.lineLength();
    return line;
}

// The common case: the record is one whole buffered line. Returns false, having consumed nothing, for anything
// else.
bool LogReader::readWholeLine(ContactRecord& record)
{
    const char* const line = takeWholeLine();
    if (line == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        record.atInputPosition(i).assignPadded(line + m_lineFields.start(i), m_lineFields.size(i));
    }
    return true;
}

// A field in one pass over the buffer: an unquoted field that ends, with its comma or line end, inside
// what is buffered. Works on local pointers so nothing is reloaded after each copy. Returns false, having
// consumed nothing, for anything else.
[[gnu::always_inline]] inline bool LogReader::readPlainField(FieldText& field)
{
    const char* const buffer = m_buffer.get();
    const char* const end = buffer + m_end;
    const char* start = buffer + m_pos;
    while (start != end && (*start == ' ' || *start == '\t')) {
        ++start;
    }
    if (start == end || *start == '"' || *start == '\r' || *start == '\n') {
        return false;
    }
    const char* stop = kEndsUnquoted.find(start, end);
    if (stop == end || (*stop == '\r' && stop + 1 == end)) {
        return false; // the ending is not in the buffer yet, or a CR whose LF may follow
    }
    field.assignPadded(start, static_cast<std::size_t>(stop - start));
    const char* next = stop + 1;
    if (*stop == '\r' && *next == '\n') {
        ++next;
    }
    m_atLineStart = *stop != ',';
    m_pos = static_cast<std::size_t>(next - buffer);
    return true;
}

// Any field, wherever it ends. Returns false when no field is left: the input ended at the start of a line.
bool LogReader::readAnyField(FieldText& field)
{
    field.clear();
    skipBlanks();
    const int first = peek();
    if (first == kInputEnd) {
        if (m_atLineStart) {
            return false;
        }
        // A comma just before the end of the input leaves one empty field.
        m_atLineStart = true;
        return true;
    }
    if (first == '"') {
        ++m_pos;
        readQuoted(field);
    } else {
        appendUntil(&field, kEndsUnquoted);
    }
    m_atLineStart = consumeEnding() != Ending::Comma;
    return true;
}

// Blanks before a field are skipped; at the start of a line, so are lines that hold nothing else.
void LogReader::skipBlanks()
{
    for (;;) {
        const int c = peek();
        if (c == ' ' || c == '\t') {
            ++m_pos;
        } else if (m_atLineStart && (c == '\n' || c == '\r')) {
            consumeLineEnd();
        } else {
            return;
        }
    }
}

// The value runs to the closing quote; a line end before it ends the field too, so a stray quote cannot
// swallow the rest of the file. Anything between the closing quote and the separator is dropped.
void LogReader::readQuoted(FieldText& field)
{
    appendUntil(&field, kEndsQuoted);
    if (peek() == '"') {
        ++m_pos;
        appendUntil(nullptr, kEndsUnquoted);
    }
}

// Appends bytes to `field` (or drops them when it is null) up to the first of the stop bytes, which is left
// unread, or up to the end of the input.
void LogReader::appendUntil(FieldText* field, const StopBytes& stops)
{
    for (;;) {
        const char* begin = m_buffer.get() + m_pos;
        const char* end = m_buffer.get() + m_end;
        const char* stop = stops.find(begin, end);
        if (field != nullptr) {
            field->append({begin, static_cast<std::size_t>(stop - begin)});
        }
        m_pos += static_cast<std::size_t>(stop - begin);
        if (stop != end || !refill()) {
            return;
        }
    }
}

LogReader::Ending LogReader::consumeEnding()
{
    const int c = peek();
    if (c == ',') {
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
    const char c = m_buffer[m_pos++];
    if (c == '\r' && peek() == '\n') {
        ++m_pos;
    }
}

int LogReader::peek()
{
    if (m_pos == m_end && !refill()) {
        return kInputEnd;
    }
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

// Loads the next block of input once the buffer has been used up.
bool LogReader::refill()
{
    if (m_sourceDone) {
        return false;
    }
    m_pos = 0;
    m_end = 0;
    const long count = m_source.read(m_buffer.get(), m_capacity);
    if (count <= 0) {
        m_sourceDone = true;
        m_failed = count < 0;
        return false;
    }
    m_end = static_cast<std::size_t>(count);
    return true;
}

} // namespace quillon::engine
