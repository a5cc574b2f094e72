// Counts how the dates of a log read under every layout at once, and where a log read best in two parts would
// change layout, to catch a wrong choice of layout and a log that changes layout part way.
#pragma once

#include "engine/DateLayout.h"
#include "engine/DatePieces.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quillon::engine {

// A date that no layout reads (99-99-99, 1x-0y-0z) is a typo, not a sign of the layout: it counts among each
// layout's bad dates, since the conversion marks it whatever the layout, and tells nothing of where the log
// changes layout.
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
    // The log read in two parts, `before` up to some date and `after` from the next one on, split where that reads
    // the most dates (the first such place): how many it reads, and the line of the first date read as `after`
    // (0 when the best is to read the whole log as one of them). Typos and dates both layouts read count alike on
    // either side, so only dates that one layout reads and the other does not move the split.
    std::int64_t splitReads(DateLayout before, DateLayout after) const;
    std::int64_t splitLine(DateLayout before, DateLayout after) const
    {
        const std::size_t p = pair(before, after);
        return (m_awaitingLine >> p & 1U) != 0 ? 0 : m_splitLine[p];
    }
    // The lines of the first few dates that the layout cannot read, typos included, so a user can find them.
    static constexpr std::size_t kKeptBadLines = 5;
    std::span<const std::int64_t> badLines(DateLayout layout) const
    {
        return {m_badLines[bit(layout)], m_badLinesKept[bit(layout)]};
    }

private:
    static std::size_t bit(DateLayout layout) { return static_cast<std::size_t>(layout); }
    static std::size_t pair(DateLayout before, DateLayout after) { return bit(before) * 4 + bit(after); }
    void moveSplits(unsigned reading);
    void keepBadLine(unsigned badLayouts);

    std::int64_t m_line = 0;
    std::int64_t m_byLayouts[16] = {}; // dates by the set of layouts that read them, a bit each
    // For each pair of layouts (before, after): dates `before` read so far less those `after` read, the most that
    // ever was, and the line of the date after the one where it was reached.
    std::int64_t m_lead[16] = {};
    std::int64_t m_bestLead[16] = {};
    std::int64_t m_splitLine[16] = {};
    unsigned m_awaitingLine = 0; // the pairs whose best lead was reached on the last date, a bit each
    std::int64_t m_badLines[4][kKeptBadLines] = {};
    std::size_t m_badLinesKept[4] = {};
    unsigned m_keepingBadLines = 15; // the layouts that have kept fewer bad lines than they may
};

} // namespace quillon::engine
