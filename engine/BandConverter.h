// BAND: a wavelength or a frequency in MHz turned into one of the twelve band names.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string>

namespace quillon::engine {

// Reads BAND in the given format, writes the BAND fragment and leaves the worked-on value in `band`.
void convertBand(FieldText& band, BandFormat format, AdifFragment& fragment);

} // namespace quillon::engine
