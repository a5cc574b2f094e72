// The stop signals, caught for as long as a conversion runs.
#include "cli/StopSignals.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace quillon::cli {

namespace {

std::atomic<int> g_received{0};
std::atomic<bool> g_finished{false};

#ifdef _WIN32
constexpr int kHangUp = 1;

// Runs on a thread of its own. For the console closing, Windows ends the program when this returns, so it waits a
// little for the conversion to throw its files away.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    const int number = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : kHangUp;
    int none = 0;
    if (!g_received.compare_exchange_strong(none, number)) {
        return FALSE; // a second one: the default handling ends the program
    }
    for (int waited = 0; number == kHangUp && !g_finished && waited < 40; ++waited) {
        Sleep(100);
    }
    return TRUE;
}
#else
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_before[3];

extern "C" void onStopSignal(int number)
{
    int none = 0;
    if (!g_received.compare_exchange_strong(none, number)) {
        std::signal(number, SIG_DFL);
        std::raise(number);
    }
}
#endif

} // namespace

StopSignals::StopSignals()
{
    g_received = 0;
    g_finished = false;
#ifdef _WIN32
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    // A signal the program was started to ignore (nohup, a background job's Ctrl+C) stays ignored.
    for (int i = 0; i < 3; ++i) {
        struct sigaction action {
        };
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(kSignals[i], &action, &g_before[i]);
        if (g_before[i].sa_handler == SIG_IGN) {
            sigaction(kSignals[i], &g_before[i], nullptr);
        }
    }
#endif
}

StopSignals::~StopSignals()
{
#ifdef _WIN32
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
#else
    for (int i = 0; i < 3; ++i) {
        sigaction(kSignals[i], &g_before[i], nullptr);
    }
#endif
}

int StopSignals::received()
{
    return g_received;
}

void StopSignals::finished()
{
    g_finished = true;
}

} // namespace quillon::cli
