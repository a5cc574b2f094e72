// A clock for tests that always tells the same moment.
#pragma once

#include "run/Clock.h"

namespace quillon::tests {

// Saturday, 5 December 2026, 20:35:37, unless a test moves it on.
class FixedClock : public run::Clock
{
public:
    run::LocalTime now() const override { return {date, time}; }
    // The same moment in UTC, an hour behind, as in Central Europe in winter.
    run::LocalTime utcNow() const override { return {date, {time.hour - 1, time.minute, time.second}}; }

    run::CalendarDate date{2026, 12, 5, 6};
    run::TimeOfDay time{20, 35, 37};
};

} // namespace quillon::tests
