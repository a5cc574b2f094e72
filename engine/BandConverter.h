// BAND: a wavelength or a frequency in MHz turned into one of the twelve band names.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::engine {

// The band name ("20M", "70CM") of a trimmed BAND value read in the given format; empty when it is no band.
std::string_view bandNameOf(std::string_view band, BandFormat format);

BandFormat otherFormat(BandFormat format);

// The bands of a log that are not blank, and how many of them each format leaves unknown.
class BandTally
{
public:
    // A band read in `format`, known or not, and whether the other format knows it as written.
    void add(BandFormat format, bool known, bool knownInOther);
    // A trimmed band, read in both formats.
    void add(std::string_view band);
    std::int64_t bands() const { return m_bands; }
    std::int64_t unknownIn(BandFormat format) const { return m_unknown[static_cast<std::size_t>(format)]; }
    // Bands neither format knows: typos, whatever the format.
    std::int64_t unknownInBoth() const { return m_unknownInBoth; }

private:
    std::int64_t m_bands = 0;
    std::int64_t m_unknown[2] = {};
    std::int64_t m_unknownInBoth = 0;
};

// Reads BAND in the given format, writes the BAND fragment and leaves the worked-on value in `band`.
// A band that is not blank is counted in `tally`, when one is given.
void convertBand(FieldText& band, BandFormat format, AdifFragment& fragment, BandTally* tally = nullptr);

} // namespace quillon::engine
