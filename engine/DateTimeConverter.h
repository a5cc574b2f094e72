// QSO_DATE and TIME_ON: the date with its century, the time zero-filled.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/DateLayout.h"

#include <string>

namespace quillon::engine {

// Reads DATE in the given layout, writes the QSO_DATE fragment and leaves the normalised date in `date`.
void convertDate(std::string& date, DateLayout layout, AdifFragment& fragment);

// Reads TIME, writes the TIME_ON fragment and leaves the normalised time in `time`.
void convertTime(std::string& time, AdifFragment& fragment);

} // namespace quillon::engine
