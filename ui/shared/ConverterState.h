// The converter window's rules that do not depend on its toolkit: when Start and File, Open Folder can be used,
// the count the counter has still to show, and the title of a message that has none.
#pragma once

#include "run/RunHost.h"
#include "ui/shared/EventPacer.h"

#include <cstdint>
#include <optional>

namespace quillon::forms {

class ConverterState
{
public:
    explicit ConverterState(Pacing pacing = {});

    // Start is disabled until a date option is chosen, and stays enabled from then on.
    bool startEnabled() const { return m_startEnabled; }
    void dateOptionChosen() { m_startEnabled = true; }

    // The folder stays put while a run works in it.
    static bool openFolderEnabled(bool running) { return !running; }

    // The run reports every record; the counter shows the count only when the window next handles its events.
    void setRecordCount(std::int64_t count);
    // What a stop of the run for the window does now: nothing at all, or handle the events, after redrawing the
    // counter when `redrawCounter` says so.
    struct Stop {
        bool handleEvents = false;
        bool redrawCounter = false;
    };
    Stop stop();
    // The count the counter has not shown yet; nothing when it shows the last one.
    std::optional<std::int64_t> takePendingCount();

private:
    bool m_startEnabled = false;
    EventPacer m_pacer;
    std::int64_t m_count = 0;
    bool m_countPending = false;
};

// A message without a title of its own gets the application title.
run::Message titled(run::Message message);

} // namespace quillon::forms
