// Writing corrected lines into the log itself: only those lines change, the log as it was before the first
// correction is kept beside it, and the log is replaced safely or not at all.
#pragma once

#include "run/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace quillon::run {

// What the log was when it was read: enough to tell that it has changed on disk since.
struct LogSnapshot {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const LogSnapshot&) const = default;
};

LogSnapshot snapshotOf(std::string_view bytes);

// The whole file, or none with the system's reason in `reason`.
std::optional<std::string> readWholeFile(FileSystem& files, const std::string& path, std::string& reason);

// "log.asc.original": the log as it was before its first correction, beside it. It is written once and never
// replaced by later corrections.
std::string originalCopyPath(const std::string& logPath);

struct MendResult {
    bool saved = false;
    // Why nothing was saved, for the user: a sentence, and the system's reason on a second line when it gave one.
    std::string failure;
};

// Replaces the text of the given lines (counted from 1, without their line ends) in the log at `logPath`; every
// other byte (line ends, quoting, code page, a missing last line end) stays. Refuses, changing nothing, when the
// log is no longer what `asRead` describes or any step fails.
MendResult mendLog(FileSystem& files, const std::string& logPath, const LogSnapshot& asRead,
                   const std::map<std::int64_t, std::string>& lines);

} // namespace quillon::run
