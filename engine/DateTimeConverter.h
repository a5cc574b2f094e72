// QSO_DATE and TIME_ON: the date with its century, the time zero-filled.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

// Counts the dates of a log that are no real day, the dates the conversion marks, under each layout at once. A
// date only counts its pieces: its layouts' verdicts are read off the counts when asked for, so a date costs
// little more than cutting it up. Only a date with a 2 or a 29 in it (a leap day under some layout) is judged
// at once, with its year.
// The numbers of the three two-character pieces of a trimmed DATE, each -1 where it is not two digits; all -1
// unless DATE is eight characters long.
struct DatePieces {
    int values[3] = {-1, -1, -1};
};

class DateTally
{
public:
    static constexpr std::size_t kPairCount = 3;

    DateTally();
    // A trimmed DATE that is not blank, whole or as the conversion has cut it up.
    void add(std::string_view date);
    void add(const DatePieces& pieces);
    std::int64_t dates() const { return m_dates; }
    std::int64_t badDates(DateLayout layout) const;

private:
    std::int64_t m_dates = 0;
    std::int64_t m_unreadable = 0;      // not three two-digit pieces
    std::int64_t m_badWithYear[4] = {}; // judged at once, by layout
    std::vector<std::int64_t> m_pairs;  // dates by the numbers of two of their pieces, for each pair of pieces
};

// Reads DATE in the given layout and writes the QSO_DATE fragment. A real calendar day leaves YYYYMMDD in `date`;
// any other text gets a *BAD* marker and `date` keeps it, trimmed. A date that is not blank is counted in `tally`,
// when one is given, from the pieces the conversion cuts anyway.
void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment, DateTally* tally = nullptr);

// Reads TIME and writes the TIME_ON fragment. A valid time leaves the zero-filled text in `time` (separators kept);
// any other text gets a *BAD* marker and `time` keeps it, trimmed.
void convertTime(FieldText& time, AdifFragment& fragment);

} // namespace quillon::engine
