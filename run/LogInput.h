// The log a run reads: found in its folder, opened, read ahead on a thread of its own and parsed into records.
#pragma once

#include "engine/LogReader.h"
#include "run/FileSystem.h"
#include "run/ReadAhead.h"
#include "run/RunHost.h"

#include <memory>
#include <optional>
#include <string>

namespace quillon::run {

class LogInput
{
public:
    LogInput(FileSystem& files, ReadAheadSizes readAhead, std::size_t readerBuffer);
    ~LogInput() { close(); }
    LogInput(const LogInput&) = delete;
    LogInput& operator=(const LogInput&) = delete;

    // Finds the log (log.asc in any letter case, or the one named) and opens it; otherwise returns the message that
    // says why it cannot be read, naming the log as `shown`.
    std::optional<Message> open(const std::string& folder, const std::string& namedLog, const std::string& shown);
    engine::LogReader& reader() { return *m_reader; }
    const std::string& path() const { return m_path; }

    // Stops reading ahead and closes the file. Why a read failed, if one did, is kept for failureReason().
    void close();
    const std::string& failureReason() const { return m_failureReason; }

private:
    FileSystem& m_files;
    ReadAheadSizes m_readAheadSizes;
    std::size_t m_readerBuffer;
    std::string m_path;
    std::unique_ptr<InputFile> m_file;
    std::optional<ReadAhead> m_readAhead;
    std::optional<engine::LogReader> m_reader;
    std::string m_failureReason;
};

} // namespace quillon::run
