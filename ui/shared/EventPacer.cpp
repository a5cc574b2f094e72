// A run's stops for the window, paced by the steady clock.
#include "ui/shared/EventPacer.h"

namespace quillon::forms {

EventPacer::EventPacer(Pacing pacing)
    : m_pacing(pacing)
{
}

// The very first call is always due, so a run shows its status before its first record.
bool EventPacer::eventsDue()
{
    const Clock::time_point now = Clock::now();
    if (m_eventsSeen && now - m_lastEvents < m_pacing.events) {
        return false;
    }
    m_eventsSeen = true;
    m_lastEvents = now;
    m_now = now;
    return true;
}

bool EventPacer::counterDue()
{
    if (m_counterSeen && m_now - m_lastCounter < m_pacing.counter) {
        return false;
    }
    m_counterSeen = true;
    m_lastCounter = m_now;
    return true;
}

} // namespace quillon::forms
