// Ctrl+C, SIGTERM and SIGHUP (on Windows Ctrl+C, Ctrl+Break and the console closing) ask a conversion to stop: it
// then throws its new files away, the old ones stay, and the program exits with 128 plus the signal's number, as
// shells expect. A second such signal ends the program at once; the next run removes what it leaves behind.
#pragma once

namespace quillon::cli {

class StopSignals
{
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The number of the first signal received, 0 while there is none.
    static int received();
    // The program's work is done: a console closing on Windows may end it now.
    static void finished();
};

} // namespace quillon::cli
