// The message boxes a run shows when it cannot go on.
#pragma once

#include "run/RunHost.h"
#include "run/RunTexts.h"

#include <string>

namespace quillon::run {

// log.asc could not be opened: "Missing LOG.ASC".
Message missingInputMessage(const std::string& inputPath);

// log.asc ended inside a record: "Bad LOG.ASC File".
Message badInputMessage();

// log.asc could be opened but not read to its end.
Message unreadableInputMessage(const std::string& inputPath);

// An output file could not be removed, created, written or closed: "Cannot write LOG.ADI".
Message cannotWriteMessage(OutputKind kind, const std::string& path);

} // namespace quillon::run
