// The window services a conversion run needs: the window implements them, the command line and the tests too.
#pragma once

#include "engine/DateLayout.h"
#include "run/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::run {

struct RunResult;

// Everything is called on the one thread that serves the window. The date layout and band format are asked
// for every record.
class RunHost : public engine::FormatSource
{
public:
    // The window's caption as it shows it now; it heads both output files.
    virtual std::string caption() const = 0;
    // The log folder: it holds log.asc and receives log.adi and bad.adi.
    virtual std::string logFolder() const = 0;
    // The name of the log in that folder when the user named one; empty for log.asc, in any letter case.
    virtual std::string logFileName() const { return {}; }

    virtual void setStatusText(std::string_view text) = 0;
    // Called once per record with the number of records read so far; the host decides how often to repaint.
    virtual void setRecordCount(std::int64_t count) = 0;
    // Lets the window repaint and handle input. A handler run from here may press Start again or close the
    // window (which calls ConversionRun::closeFiles).
    virtual void processPendingEvents() = 0;
    // Modal, one OK button; returns when dismissed.
    virtual void showMessage(const Message& message) = 0;
    // Called once at the end of a run that put its outputs in place (it ended normally, or the log ended inside a
    // contact), after any message of its own, with what it came to. Here the notes, if any, are shown in one
    // message; a window that shows the result of every run in a box of its own does that instead.
    virtual void showRunResult(const RunResult& result);
};

} // namespace quillon::run
