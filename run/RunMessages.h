// The message boxes a run shows when it cannot go on.
#pragma once

#include "run/RunHost.h"
#include "run/RunTexts.h"

#include <string>

namespace quillon::run {

// There is no log.asc: "Missing LOG.ASC".
Message missingInputMessage(const std::string& inputPath);

// log.asc ended inside a record: "Bad LOG.ASC File".
Message badInputMessage();

// log.asc is there but is no regular file, cannot be opened, or could not be read to its end: "Cannot read
// LOG.ASC".
Message unreadableInputMessage(const std::string& inputPath);

// An output file could not be removed, created, written or closed: "Cannot write LOG.ADI".
Message cannotWriteMessage(OutputKind kind, const std::string& path);

} // namespace quillon::run
