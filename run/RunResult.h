// What one run came to: how it ended, what it counted, and what the user should look at in the log.
#pragma once

#include "engine/LogReader.h"
#include "run/Message.h"
#include "run/OutputNames.h"

#include <cstdint>
#include <vector>

namespace quillon::run {

enum class RunOutcome {
    None,               // no run yet
    Completed,          // both outputs complete and in place of the old ones
    OpenFailed,         // log.asc could not be opened, or an output file could not be created
    InputEndedInRecord, // log.asc ended inside a record: the records before it are in place, without trailers
    InputUnreadable,    // log.asc could not be read to its end: the old outputs are kept
    WriteFailed,        // an output file could not be written or put in place: the old outputs are kept
    Stopped,            // the window was closed, or the program told to stop: the old outputs are kept
};

struct RunResult {
    RunOutcome outcome = RunOutcome::None;
    OutputNames outputs;         // the files the run wrote, or would have written
    std::int64_t records = 0;    // complete records read
    std::int64_t logRecords = 0; // record lines handed to log.adi
    std::int64_t badRecords = 0; // record lines handed to bad.adi
    // Lines of log.asc that hold other than 18 fields, the first few of them, and how many in all.
    std::vector<engine::LogReader::OddLine> oddLines;
    std::int64_t oddLineCount = 0;
    // What the user should know of a run that put its outputs in place: old outputs kept under other names, an
    // empty log, and after a complete run the date-layout and band-format notes, if the log suggests another choice.
    std::vector<Message> notes;
};

} // namespace quillon::run
