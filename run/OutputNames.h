// The names of a run's two output files, which follow from the name of its log, and how messages write them.
#pragma once

#include <string>

namespace quillon::run {

// The two output files: the log file for clean records, the bad file for records with a *BAD* marker.
enum class OutputKind { Log, Bad };

struct OutputNames {
    std::string log;      // on disk: log.adi, contest98.adi
    std::string bad;      // bad.adi, contest98-bad.adi
    std::string logShown; // in messages and preambles: LOG.ADI, contest98.adi
    std::string badShown; // BAD.ADI, contest98-bad.adi
    std::string input;    // the log itself in messages: LOG.ASC, contest98.asc

    const std::string& name(OutputKind kind) const { return kind == OutputKind::Log ? log : bad; }
    const std::string& shown(OutputKind kind) const { return kind == OutputKind::Log ? logShown : badShown; }
};

// log.asc, in any letter case, or no name at all, gives log.adi and bad.adi, which messages write LOG.ADI and
// BAD.ADI as they always have. Any other log has outputs of its own, named after it, so that two logs in one
// folder keep theirs apart: contest98.asc gives contest98.adi and contest98-bad.adi, named as they are. A log
// whose own name ends in .adi keeps it whole (notes.adi gives notes.adi.adi), so no output is ever the log.
OutputNames outputNamesFor(const std::string& logFileName);

} // namespace quillon::run
