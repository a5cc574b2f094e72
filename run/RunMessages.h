// The message boxes a run shows when it cannot go on.
#pragma once

#include "engine/LogReader.h"
#include "run/RunHost.h"
#include "run/RunTexts.h"

#include <string>
#include <vector>

namespace quillon::run {

// There is no log.asc: "Missing LOG.ASC".
Message missingInputMessage(const std::string& inputPath);

// More than one file names log.asc in different letter cases: "Ambiguous LOG.ASC".
Message ambiguousInputMessage(const std::vector<std::string>& inputPaths);

// log.asc ended inside a record: "Bad LOG.ASC File", with the line where that record began and the first line
// that held other than 18 fields, if any.
Message badInputMessage(std::int64_t recordLine, const std::vector<engine::LogReader::OddLine>& oddLines);

// "line 4 holds 19 fields; the contacts after it are shifted"
std::string oddLineText(const engine::LogReader::OddLine& line);

// log.asc is there but is no regular file, cannot be opened, or could not be read to its end: "Cannot read
// LOG.ASC".
Message unreadableInputMessage(const std::string& inputPath);

// An output file could not be removed, created, written or closed: "Cannot write LOG.ADI".
Message cannotWriteMessage(OutputKind kind, const std::string& path);

} // namespace quillon::run
