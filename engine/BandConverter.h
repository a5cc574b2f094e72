// BAND: a wavelength or a frequency in MHz turned into one of the twelve band names.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// The band name ("20M", "70CM") of a trimmed BAND value read in the given format; empty when it is no band.
std::string_view bandNameOf(std::string_view band, BandFormat format);

// Reads BAND in the given format, writes the BAND fragment and leaves the worked-on value in `band`.
void convertBand(FieldText& band, BandFormat format, AdifFragment& fragment);

} // namespace quillon::engine
