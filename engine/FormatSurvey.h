// Counts how a log's dates and bands read under every date layout and band format, to catch a wrong choice.
#pragma once

#include "engine/BandConverter.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/DateTimeConverter.h"

#include <cstdint>

namespace quillon::engine {

// DATE and BAND of each record as read, before any conversion. Blank values are not counted: they are missing
// whatever the layout or format.
class FormatSurvey
{
public:
    // For a log that is only looked at.
    void add(const ContactRecord& record);
    // For a log being converted: the conversions count what they read.
    DateTally& dateTally() { return m_dates; }
    BandTally& bandTally() { return m_bands; }

    std::int64_t dates() const { return m_dates.dates(); }
    // Of the dates counted, those that are no real day when read in the layout.
    std::int64_t badDates(DateLayout layout) const { return m_dates.badDates(layout); }
    std::int64_t bands() const { return m_bands.bands(); }
    // Of the bands counted, those that name no band when read in the format.
    std::int64_t badBands(BandFormat format) const { return m_bands.unknownIn(format); }

private:
    DateTally m_dates;
    BandTally m_bands;
};

} // namespace quillon::engine
