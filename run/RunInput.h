// Which file a conversion reads: the one decision that the run, the format survey and the window's tool tip share.
#pragma once

#include "run/FileSystem.h"

#include <string>
#include <vector>

namespace quillon::run {

struct RunInput {
    enum class Status {
        Found,     // `path` is the log to read (it may still turn out unreadable)
        Missing,   // nothing to read: `path` is where log.asc would be
        Ambiguous, // several names stand for log.asc: `candidates` holds their paths
    };
    Status status = Status::Missing;
    std::string path;
    std::vector<std::string> candidates;
};

// The log named by the user when there is one (`namedLog`, a name in `folder`); otherwise log.asc, or else the one
// file whose name is log.asc in another letter case (LOG.ASC, as DOS wrote it). Two or more of those are
// ambiguous, since none of them is more likely the user's log than the others.
RunInput chooseInput(FileSystem& files, const std::string& folder, const std::string& namedLog);

// The full path of a file in the folder.
std::string pathIn(const std::string& folder, std::string_view fileName);

} // namespace quillon::run
