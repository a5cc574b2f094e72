// The date tally: a date costs two table reads and a count, unless it may be a leap day.
#include "engine/DateTally.h"

#include <bit>

namespace quillon::engine {

namespace {

constexpr unsigned bitOf(DateLayout layout)
{
    return 1U << static_cast<unsigned>(layout);
}

// For two neighbouring pieces, the layouts that read them as a month and a day of every year: pieces 1 and 2 are
// month and day in YY-MM-DD, day and month in YY-DD-MM; pieces 0 and 1 likewise in MM-DD-YY and DD-MM-YY.
class PairTables
{
public:
    PairTables()
    {
        for (int first = 0; first < 100; ++first) {
            for (int second = 0; second < 100; ++second) {
                const bool monthDay = isCalendarDay(2001, first, second);
                const bool dayMonth = isCalendarDay(2001, second, first);
                m_middleLast[first][second] = static_cast<unsigned char>((monthDay ? bitOf(DateLayout::YyMmDd) : 0) |
                                                                         (dayMonth ? bitOf(DateLayout::YyDdMm) : 0));
                m_firstMiddle[first][second] = static_cast<unsigned char>((monthDay ? bitOf(DateLayout::MmDdYy) : 0) |
                                                                          (dayMonth ? bitOf(DateLayout::DdMmYy) : 0));
            }
        }
    }
    unsigned layoutsReading(const int (&piece)[3]) const
    {
        return m_firstMiddle[piece[0]][piece[1]] | m_middleLast[piece[1]][piece[2]];
    }

private:
    unsigned char m_firstMiddle[100][100];
    unsigned char m_middleLast[100][100];
};

const PairTables kPairTables;

// A 2 or a 29 may make a leap day, which only the year decides; such a date is read whole under every layout.
unsigned layoutsReading(const DatePieces& pieces)
{
    if (!hasAllPieces(pieces)) {
        return 0;
    }
    const DayTables& tables = dayTables();
    const int* value = pieces.values;
    if (!tables.mayNeedTheYear(value[0]) && !tables.mayNeedTheYear(value[1]) && !tables.mayNeedTheYear(value[2])) {
        return kPairTables.layoutsReading(pieces.values);
    }
    unsigned layouts = 0;
    for (const DateLayout layout : kAllDateLayouts) {
        layouts |= isRealDate(pieces, layout, tables) ? bitOf(layout) : 0;
    }
    return layouts;
}

} // namespace

void DateTally::add(const DatePieces& pieces)
{
    const unsigned reading = layoutsReading(pieces);
    ++m_byLayouts[reading];
    const unsigned bad = ~reading & 15U;
    if ((bad & m_keepingBadLines) != 0) {
        keepBadLine(bad & m_keepingBadLines);
    }
    for (; m_awaitingLine != 0; m_awaitingLine &= m_awaitingLine - 1) {
        m_splitLine[std::countr_zero(m_awaitingLine)] = m_line;
    }
    if (reading != 0 && bad != 0) {
        moveSplits(reading);
    }
}

// Only the pairs of which one layout reads the date and the other does not change; a lead can only grow where
// `before` reads it.
void DateTally::moveSplits(unsigned reading)
{
    for (const DateLayout before : kAllDateLayouts) {
        const bool beforeReads = (reading & bitOf(before)) != 0;
        for (const DateLayout after : kAllDateLayouts) {
            if (beforeReads == ((reading & bitOf(after)) != 0)) {
                continue;
            }
            const std::size_t p = pair(before, after);
            m_lead[p] += beforeReads ? 1 : -1;
            if (m_lead[p] > m_bestLead[p]) {
                m_bestLead[p] = m_lead[p];
                m_awaitingLine |= 1U << p;
            }
        }
    }
}

void DateTally::keepBadLine(unsigned badLayouts)
{
    for (const DateLayout layout : kAllDateLayouts) {
        if ((badLayouts & bitOf(layout)) == 0) {
            continue;
        }
        std::size_t& kept = m_badLinesKept[bit(layout)];
        m_badLines[bit(layout)][kept++] = m_line;
        if (kept == kKeptBadLines) {
            m_keepingBadLines &= ~bitOf(layout);
        }
    }
}

std::int64_t DateTally::dates() const
{
    std::int64_t count = 0;
    for (const std::int64_t n : m_byLayouts) {
        count += n;
    }
    return count;
}

std::int64_t DateTally::badDates(DateLayout layout) const
{
    std::int64_t count = 0;
    for (unsigned layouts = 0; layouts < 16; ++layouts) {
        count += (layouts & bitOf(layout)) == 0 ? m_byLayouts[layouts] : 0;
    }
    return count;
}

std::int64_t DateTally::splitReads(DateLayout before, DateLayout after) const
{
    return dates() - badDates(after) + m_bestLead[pair(before, after)];
}

} // namespace quillon::engine
