// The two output files of a run, written under temporary names beside log.adi and bad.adi and put in their place
// only when the run ends with something worth keeping, so a run that does not finish leaves the old files as they
// were; an old file that the user has changed since a run wrote it is kept under a name of its own.
#pragma once

#include "run/ContentHash.h"
#include "run/FileSystem.h"
#include "run/LineWriter.h"
#include "run/OutputKeeper.h"
#include "run/RunTexts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

class RunOutputs
{
public:
    RunOutputs(FileSystem& files, std::string folder, OutputNames names, const Clock& clock, std::size_t bufferSize);
    // Whatever was not committed is discarded.
    ~RunOutputs();
    RunOutputs(const RunOutputs&) = delete;
    RunOutputs& operator=(const RunOutputs&) = delete;

    // Removes the temporaries of earlier runs that were killed, then creates both files. On failure nothing of
    // this run is left; failedKind() and failureReason() say which file and why. A read-only old output refuses
    // the run before anything is created.
    bool create();
    LineWriter& operator[](OutputKind kind) { return *m_writers[index(kind)]; }
    // The preamble (whose first line is `title`) goes to the disk at once; the trailer follows the record lines.
    // Both keep their long-standing names.
    bool WritePreamble(OutputKind kind, const std::string& title, const std::string& timestamp,
                       const std::vector<std::string>& headerFields = {});
    bool WriteTrailer(OutputKind kind, std::int64_t recordCount);
    // A record line could not be written to the file: takes the writer's reason for the report.
    bool noteWriteFailure(OutputKind kind);

    // Brings both files to the disk itself and closes them; the old outputs are still in place.
    bool close();
    // Puts the closed files in place of the old ones, bad.adi first, then removes old outputs whose names differ
    // only in letter case (LOG.ADI), so no stale twin stays beside the new file, and records what it wrote. An old
    // file (or twin) that the record of the last run does not vouch for, byte for byte, is copied aside before it
    // is replaced: see kept().
    bool commit();
    const std::vector<KeptOutput>& kept() const { return m_keeper.kept(); }
    // Closes and removes both temporaries.
    void discard();

    // The file that failed, its path (an old twin's, or the final one) and the system's reason.
    OutputKind failedKind() const { return m_failedKind; }
    const std::string& failedPath() const { return m_failedPath; }
    const std::string& failureReason() const { return m_failureReason; }
    // The file that failed is read-only, and stays so.
    bool failedReadOnly() const { return m_failedReadOnly; }

private:
    std::string finalPath(OutputKind kind) const;
    static std::size_t index(OutputKind kind) { return static_cast<std::size_t>(kind); }
    void removeAbandoned();
    bool canReplaceOld(OutputKind kind);
    bool createOne(OutputKind kind);
    bool removeTwins(OutputKind kind, const std::vector<std::string>& names);
    bool fail(OutputKind kind, const std::string& reason, const std::string& path = {});

    FileSystem& m_files;
    std::string m_folder;
    OutputNames m_names;
    std::size_t m_bufferSize;
    std::array<std::optional<LineWriter>, 2> m_writers;
    std::array<ContentHash, 2> m_written; // of the bytes written, filled on the writing thread
    OutputKeeper m_keeper;
    std::array<std::string, 2> m_temporaries; // paths, empty once committed or removed
    OutputKind m_failedKind = OutputKind::Log;
    std::string m_failedPath;
    std::string m_failureReason;
    bool m_failedReadOnly = false;
};

} // namespace quillon::run
