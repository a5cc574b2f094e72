// Buffered line output with CR LF line ends; every write and the close are checked.
#include "run/LineWriter.h"

namespace quillon::run {

LineWriter::LineWriter(std::unique_ptr<OutputFile> file, std::size_t bufferSize)
    : m_file(std::move(file))
    , m_behind(*m_file)
    , m_bufferSize(bufferSize)
{
}

LineWriter::~LineWriter()
{
    close();
}

bool LineWriter::writeLine(std::string_view text)
{
    openLine() += text;
    return closeLine();
}

engine::ByteBuffer& LineWriter::openLine()
{
    m_lineStart = m_buffer.size();
    return m_buffer;
}

bool LineWriter::closeLine()
{
    if (m_failed || !m_file) {
        dropLine();
        return false;
    }
    m_buffer += "\r\n";
    if (m_buffer.size() >= m_bufferSize && !m_behind.handOver(m_buffer)) {
        fail();
    }
    return !m_failed;
}

bool LineWriter::close()
{
    if (!m_file) {
        return true;
    }
    const bool flushed = !m_failed && flush();
    const bool closed = m_file->close() || fail();
    m_file.reset();
    return flushed && closed;
}

bool LineWriter::sync()
{
    return flush() && (m_file->sync() || fail());
}

// The rest is written here, once the writing thread is idle, so a short file never starts that thread.
bool LineWriter::flush()
{
    if (!m_file || !m_behind.finish() || (!m_buffer.empty() && !m_file->write(m_buffer.view()))) {
        fail();
    }
    m_buffer.clear();
    return !m_failed;
}

// The writing thread has stopped by the time a failure is reported, so the file's reason can be read here.
bool LineWriter::fail()
{
    if (m_file && m_failureReason.empty()) {
        m_failureReason = m_file->failureReason();
    }
    m_failed = true;
    return false;
}

} // namespace quillon::run
