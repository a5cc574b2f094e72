// QSO_DATE and TIME_ON: the date with its century, the time zero-filled.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string>

namespace quillon::engine {

// Reads DATE in the given layout and writes the QSO_DATE fragment. A real calendar day leaves YYYYMMDD in `date`;
// any other text gets a *BAD* marker and `date` keeps it, trimmed.
void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment);

// Reads TIME and writes the TIME_ON fragment. A valid time leaves the zero-filled text in `time` (separators kept);
// any other text gets a *BAD* marker and `time` keeps it, trimmed.
void convertTime(FieldText& time, AdifFragment& fragment);

} // namespace quillon::engine
