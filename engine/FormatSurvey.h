// Counts how a log's dates and bands read under every date layout and band format, to catch a wrong choice.
#pragma once

#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <array>
#include <cstdint>

namespace quillon::engine {

// Looks at DATE and BAND of each record as read, before any conversion. Blank values are not counted: they are
// missing whatever the layout or format.
class FormatSurvey
{
public:
    void add(const ContactRecord& record);

    std::int64_t dates() const { return m_dates; }
    // Of the dates counted, those that are no real day when read in the layout.
    std::int64_t badDates(DateLayout layout) const { return m_badDates[static_cast<std::size_t>(layout)]; }
    std::int64_t bands() const { return m_bands; }
    // Of the bands counted, those that name no band when read in the format.
    std::int64_t badBands(BandFormat format) const { return m_badBands[static_cast<std::size_t>(format)]; }

private:
    std::int64_t m_dates = 0;
    std::array<std::int64_t, 4> m_badDates{};
    std::int64_t m_bands = 0;
    std::array<std::int64_t, 2> m_badBands{};
};

} // namespace quillon::engine
