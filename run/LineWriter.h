// Writes the lines of one output file through a buffer; the only place where a line end is written.
#pragma once

#include "engine/ByteBuffer.h"
#include "run/FileSystem.h"
#include "run/WriteBehind.h"

#include <memory>
#include <string>
#include <string_view>

namespace quillon::run {

class LineWriter
{
public:
    explicit LineWriter(std::unique_ptr<OutputFile> file, std::size_t bufferSize = 1024 * 1024);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Appends the text and CR LF. A full buffer goes to the writing thread while the next one fills. Returns false
    // once any write to the file has failed.
    bool writeLine(std::string_view text);

    // A line built in place: openLine() gives the buffer to append its text to; closeLine() then ends it with
    // CR LF (and returns as writeLine() does), or dropLine() takes it out again. openLineText() is its text so far.
    engine::ByteBuffer& openLine();
    std::string_view openLineText() const { return m_buffer.view().substr(m_lineStart); }
    bool closeLine();
    void dropLine() { m_buffer.truncate(m_lineStart); }

    // Writes what is buffered and closes the file. Returns false if that or any earlier write failed.
    // Closing a closed writer does nothing and returns true.
    bool close();

    // Writes what is buffered now and waits until it is written. Returns false if that or any earlier write failed.
    bool flush();

    // Flushes, then returns once every byte is on the disk itself. Returns false if that or any earlier write failed.
    bool sync();

    // Why the first failed write, sync or close failed, in the system's words; empty while none has.
    const std::string& failureReason() const { return m_failureReason; }

private:
    bool fail();

    std::unique_ptr<OutputFile> m_file;
    WriteBehind m_behind;
    engine::ByteBuffer m_buffer;
    std::size_t m_bufferSize;
    std::size_t m_lineStart = 0;
    bool m_failed = false;
    std::string m_failureReason;
};

} // namespace quillon::run
