// TIME_ON: the time of a contact, zero-filled and checked.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"

namespace quillon::engine {

// Reads TIME and writes the TIME_ON fragment. A valid time leaves the zero-filled text in `time` (separators kept);
// any other text gets a *BAD* marker and `time` keeps it, trimmed.
void convertTime(FieldText& time, AdifFragment& fragment);

} // namespace quillon::engine
