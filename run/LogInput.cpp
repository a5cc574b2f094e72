// Opening and closing the log of a run.
#include "run/LogInput.h"

#include "run/RunInput.h"
#include "run/RunMessages.h"

namespace quillon::run {

LogInput::LogInput(FileSystem& files, ReadAheadSizes readAhead, std::size_t readerBuffer)
    : m_files(files)
    , m_readAheadSizes(readAhead)
    , m_readerBuffer(readerBuffer)
{
}

std::optional<Message> LogInput::open(const std::string& folder, const std::string& namedLog, const std::string& shown)
{
    const RunInput input = chooseInput(m_files, folder, namedLog);
    if (input.status == RunInput::Status::Ambiguous) {
        return ambiguousInputMessage(input.candidates);
    }
    m_path = input.path;
    m_failureReason.clear();
    m_file = m_files.openForReading(m_path);
    if (!m_file) {
        // A log.asc that stands there but cannot be read must not send the user looking for a missing file.
        const std::string reason = m_files.failureReason();
        return m_files.exists(m_path) ? unreadableInputMessage(m_path, reason, shown)
                                      : missingInputMessage(m_path, shown);
    }
    m_readAhead.emplace(*m_file, m_readAheadSizes);
    m_reader.emplace(*m_readAhead, m_readerBuffer);
    return std::nullopt;
}

// The reading thread has stopped before the file's reason is read.
void LogInput::close()
{
    m_reader.reset();
    m_readAhead.reset();
    if (m_file) {
        m_failureReason = m_file->failureReason();
        m_file->close();
        m_file.reset();
    }
}

} // namespace quillon::run
