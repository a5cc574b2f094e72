// Keeps an old output that may hold the user's work: before a new file takes its place, it is copied beside it
// under a name of its own, unless the record of the last run vouches that it is as that run wrote it.
#pragma once

#include "run/Clock.h"
#include "run/FileSystem.h"
#include "run/OutputNames.h"
#include "run/OutputRecord.h"

#include <string>
#include <vector>

namespace quillon::run {

// An old output that was copied aside before the new one replaced it: "bad.adi.edited-2026-12-07-1530".
struct KeptOutput {
    OutputKind kind = OutputKind::Log;
    std::string name;     // bad.adi, or an old twin's name (BAD.ADI)
    std::string keptName; // the name of the copy, in the same folder
    bool edited = false;  // changed since a run wrote it; otherwise no run here has a record of writing it
};

class OutputKeeper
{
public:
    OutputKeeper(FileSystem& files, std::string folder, const Clock& clock);

    // Reads the record of the last run, as it is now, just before the new files take their places.
    void loadRecord();
    // Copies the file `name` aside unless it is missing or the record vouches for it. False when the copy could
    // not be made; failedPath() and failureReason() say where and why.
    bool keepUnlessVouched(OutputKind kind, const std::string& name);
    // Removes the copies made of `name`, when the new file could not take its place after all.
    void dropCopies(const std::string& name);
    const std::vector<KeptOutput>& kept() const { return m_kept; }

    // What a new output holds, for the next run; saveRecord() writes it down beside the outputs.
    void record(const std::string& name, const ContentHash& written) { m_record.set(name, written); }
    bool saveRecord() const { return m_record.save(m_files, m_folder); }

    const std::string& failedPath() const { return m_failedPath; }
    const std::string& failureReason() const { return m_failureReason; }

private:
    bool copyFile(const std::string& from, const std::string& to);
    bool fail(const std::string& path, const std::string& reason);

    FileSystem& m_files;
    std::string m_folder;
    const Clock& m_clock;
    OutputRecord m_record;
    std::vector<KeptOutput> m_kept;
    std::string m_failedPath;
    std::string m_failureReason;
};

} // namespace quillon::run
