// Counts how a log's dates and bands read under every date layout and band format, to catch a wrong choice.
#pragma once

#include "engine/BandConverter.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/DateTally.h"

#include <cstdint>

namespace quillon::engine {

// DATE and BAND of each record as read, before any conversion. Blank values are not counted: they are missing
// whatever the layout or format.
class FormatSurvey
{
public:
    // For a log that is only looked at: the record and the line on which it begins.
    void add(const ContactRecord& record, std::int64_t line);
    // For a log being converted: the conversions count what they read, the run says where.
    void setLine(std::int64_t line) { m_dates.setLine(line); }
    DateTally& dateTally() { return m_dates; }
    BandTally& bandTally() { return m_bands; }
    const DateTally& dateTally() const { return m_dates; }

    std::int64_t dates() const { return m_dates.dates(); }
    // Of the dates counted, those that are no real day when read in the layout.
    std::int64_t badDates(DateLayout layout) const { return m_dates.badDates(layout); }
    // Dates that no layout reads: typos, whatever the layout.
    std::int64_t datesNoLayoutReads() const { return m_dates.typos(); }
    std::int64_t bands() const { return m_bands.bands(); }
    // Of the bands counted, those that name no band when read in the format.
    std::int64_t badBands(BandFormat format) const { return m_bands.unknownIn(format); }
    // Bands that neither format knows.
    std::int64_t bandsNoFormatReads() const { return m_bands.unknownInBoth(); }

private:
    DateTally m_dates;
    BandTally m_bands;
};

} // namespace quillon::engine
