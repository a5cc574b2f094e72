// The message boxes a run shows when it cannot go on.
#pragma once

#include "engine/LogReader.h"
#include "run/RunHost.h"
#include "run/RunResult.h"
#include "run/RunTexts.h"

#include <optional>
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
// LOG.ASC", with the system's reason as the message's detail.
Message unreadableInputMessage(const std::string& inputPath, const std::string& reason);

// An output file could not be created, written, synced, closed or put in place, or an old twin of it in another
// letter case could not be removed: "Cannot write LOG.ADI", with the system's reason as the message's detail.
Message cannotWriteMessage(OutputKind kind, const std::string& path, const std::string& reason);

// What a complete run leaves for the user to look at, in one box: the date and band notes, then the lines that
// hold other than 18 fields. None when there is nothing.
std::optional<Message> runNotesMessage(const RunResult& result);

// "and 3 more lines that do not hold 18 fields", for lines beyond those kept; empty when there are none.
std::string moreOddLinesText(const RunResult& result);

} // namespace quillon::run
