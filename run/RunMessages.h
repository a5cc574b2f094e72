// The message boxes a run shows when it cannot go on.
#pragma once

#include "engine/LogReader.h"
#include "run/RunHost.h"
#include "run/RunOutputs.h"
#include "run/RunResult.h"
#include "run/RunTexts.h"

#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

// There is no log.asc: "Missing LOG.ASC", or "Missing contest98.asc" for a log named so (`shown`, as
// OutputNames::input gives it).
Message missingInputMessage(const std::string& inputPath, const std::string& shown);

// More than one file names log.asc in different letter cases: "Ambiguous LOG.ASC".
Message ambiguousInputMessage(const std::vector<std::string>& inputPaths);

// log.asc ended inside a record: "Bad LOG.ASC File", with the line where that record began and the first line
// that held other than 18 fields, if any.
Message badInputMessage(std::int64_t recordLine, const std::vector<engine::LogReader::OddLine>& oddLines,
                        const OutputNames& names);

// "line 4 holds 19 fields; the contacts after it are shifted"
std::string oddLineText(const engine::LogReader::OddLine& line);

// log.asc is there but is no regular file, cannot be opened, or could not be read to its end: "Cannot read
// LOG.ASC", with the system's reason as the message's detail.
Message unreadableInputMessage(const std::string& inputPath, const std::string& reason, const std::string& shown);

// An output file could not be created, written, synced, closed or put in place, or an old twin of it in another
// letter case could not be removed: "Cannot write LOG.ADI" (`shown`), with the system's reason as the message's
// detail.
Message cannotWriteMessage(const std::string& shown, const std::string& path, const std::string& reason);

// An old output is read-only: "Read-only LOG.ADI"; the run is refused and nothing is replaced.
Message readOnlyOutputMessage(const std::string& shown, const std::string& path);

// "bad.adi was changed after Quillon wrote it, so it is kept as bad.adi.edited-2026-12-07-1530 beside the new
// bad.adi.": a note for each old output that was copied aside before it was replaced.
Message keptOutputNote(const KeptOutput& kept, const std::string& newName);

// A log without a complete contact: "LOG.ASC holds no contacts, so LOG.ADI and BAD.ADI hold none."
Message emptyLogNote(const OutputNames& names, bool cutShort);

// What a run that put its outputs in place leaves for the user to look at: the notes, then (after a complete run)
// the lines that hold other than 18 fields, as a note of their own.
std::vector<Message> runNotes(const RunResult& result);
// The notes, each led by its title: "Check the date layout:\n19 of 30 ...", a blank line between two.
std::string notesUnderTitles(const std::vector<Message>& notes);
// All of them in one box; one note shows as it is. None when there is nothing.
std::optional<Message> runNotesMessage(const RunResult& result);

// "and 3 more lines that do not hold 18 fields", for lines beyond those kept; empty when there are none.
std::string moreOddLinesText(const RunResult& result);

} // namespace quillon::run
