// Counts how the dates of a log read under every layout at once, and where each layout stops or starts reading
// them, to catch a wrong choice of layout and a log that changes layout part way.
#pragma once

#include "engine/DateLayout.h"
#include "engine/DatePieces.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quillon::engine {

// A date that no layout reads (99-99-99, 1x-0y-0z) is a typo, not a sign of the layout: it counts among each
// layout's bad dates, since the conversion marks it whatever the layout, but it is left out of where the layouts
// stop and start reading.
class DateTally
{
public:
    // The line of log.asc on which the record whose date comes next begins.
    void setLine(std::int64_t line) { m_line = line; }
    // A trimmed DATE that is not blank, whole or as the conversion has cut it up.
    void add(std::string_view date) { add(datePiecesOf(date)); }
    void add(const DatePieces& pieces);

    std::int64_t dates() const;
    // Of the dates counted, those that are no real day when read in the layout, typos included.
    std::int64_t badDates(DateLayout layout) const;
    std::int64_t typos() const { return m_byLayouts[0]; }
    // The line of the first date other than a typo that the layout cannot read; 0 when there is none.
    std::int64_t firstBadLine(DateLayout layout) const { return m_firstBad[bit(layout)]; }
    // The line from which on the layout reads every date but the typos, to the end of the log; 0 when it cannot
    // read the last of them.
    std::int64_t readsAllFromLine(DateLayout layout) const;
    // The lines of the first few dates that the layout cannot read, typos included, so a user can find them.
    static constexpr std::size_t kKeptBadLines = 5;
    std::span<const std::int64_t> badLines(DateLayout layout) const
    {
        return {m_badLines[bit(layout)], m_badLinesKept[bit(layout)]};
    }

private:
    static std::size_t bit(DateLayout layout) { return static_cast<std::size_t>(layout); }
    void noteFirstBad(unsigned badLayouts);
    void noteReadingAgain(unsigned layouts);
    void keepBadLine(unsigned badLayouts);

    std::int64_t m_line = 0;
    std::int64_t m_byLayouts[16] = {}; // dates by the set of layouts that read them, a bit each
    std::int64_t m_firstBad[4] = {};
    std::int64_t m_readingSince[4] = {};
    unsigned m_everBad = 0;
    unsigned m_badOnLast = 15; // before the first date, no layout has read one
    std::int64_t m_badLines[4][kKeptBadLines] = {};
    std::size_t m_badLinesKept[4] = {};
    unsigned m_keepingBadLines = 15; // the layouts that have kept fewer bad lines than they may
};

} // namespace quillon::engine
