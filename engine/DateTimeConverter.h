// QSO_DATE and TIME_ON: the date with its century, the time zero-filled.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// The numbers of the three two-character pieces of a trimmed DATE (characters 1-2, 4-5 and 7-8), each -1 where it
// is not two digits; all -1 unless DATE is eight characters long.
struct DatePieces {
    int values[3] = {-1, -1, -1};
};
DatePieces datePiecesOf(std::string_view date);

// True when the pieces name a day of the calendar, read in the given layout with the century of its year.
bool isRealDate(const DatePieces& pieces, DateLayout layout);

// Reads DATE in the given layout and writes the QSO_DATE fragment. A real calendar day leaves YYYYMMDD in `date`;
// any other text gets a *BAD* marker and `date` keeps it, trimmed.
void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment);

// Reads TIME and writes the TIME_ON fragment. A valid time leaves the zero-filled text in `time` (separators kept);
// any other text gets a *BAD* marker and `time` keeps it, trimmed.
void convertTime(FieldText& time, AdifFragment& fragment);

} // namespace quillon::engine
