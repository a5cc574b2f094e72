// QSO_DATE: the date of a contact with its century, in any of the four layouts.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/DateTally.h"

namespace quillon::engine {

// Reads DATE in the given layout and writes the QSO_DATE fragment. A real calendar day leaves YYYYMMDD in `date`;
// any other text gets a *BAD* marker and `date` keeps it, trimmed. A date that is not blank is counted in `tally`,
// when one is given, from the pieces the conversion cuts anyway.
void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment, DateTally* tally = nullptr);

} // namespace quillon::engine
