// Decides when a run lets the window handle its events and when the counter is redrawn.
#pragma once

#include <chrono>

namespace quillon::forms {

// How often, at most, a run stops for the window. Handling events costs more than converting a record, so
// it happens once a few milliseconds rather than once a record; the user sees no difference.
struct Pacing {
    std::chrono::microseconds events{std::chrono::milliseconds(5)};
    std::chrono::microseconds counter{std::chrono::milliseconds(40)};
};

class EventPacer
{
public:
    using Clock = std::chrono::steady_clock;

    explicit EventPacer(Pacing pacing = {});

    // True when the window's events are due; the time is remembered for counterDue().
    bool eventsDue();
    // True when the counter is due for a redraw, at the time of the last eventsDue() that said yes.
    bool counterDue();

private:
    Pacing m_pacing;
    Clock::time_point m_now{};
    Clock::time_point m_lastEvents{};
    Clock::time_point m_lastCounter{};
    bool m_eventsSeen = false;
    bool m_counterSeen = false;
};

} // namespace quillon::forms
