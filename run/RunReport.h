// The result of a run in a user's words, as a window shows it after the run: what went where, what needs a look,
// and the notes.
#pragma once

#include "run/RunResult.h"

#include <string>

namespace quillon::run {

// "49 contacts: 35 to log.adi, 14 to bad.adi", with the run's own output names; empty for a run that put no
// outputs in place (it was refused, failed or stopped).
std::string resultLine(const RunResult& result);

// "14 contacts need a look: they are in bad.adi, each problem marked *BAD*."; empty when bad.adi received none.
std::string badFileAdvice(const RunResult& result);

// For a status label of a dozen characters: "Done", "Done: 14 bad", "No contacts"; empty as resultLine is.
std::string shortResultText(const RunResult& result);

// The one box after a run that put its outputs in place: the result line, the advice, then every note under its
// title (kept files, an empty log, the date layout and band format, the lines that do not hold 18 fields).
// Titled "Conversion done", or "Conversion cut short" when the log ended inside a contact.
Message runReportMessage(const RunResult& result);

} // namespace quillon::run
