// The QSO_DATE conversion.
#include "engine/DateConverter.h"

#include "engine/CalendarRules.h"
#include "engine/DatePieces.h"
#include "engine/TextRules.h"

#include <string_view>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingDate = "<QSO_DATE:5>*BAD*(Missing) ";

// Century, year, month and day of a real date, in that order, as YYYYMMDD.
void normaliseDate(std::string_view date, DateLayout layout, char (&out)[kDateLength])
{
    const PieceOrder order = pieceOrderOf(layout);
    const std::string_view century = centuryOf(twoDigitsAt(date, 3 * order.year));
    out[0] = century[0];
    out[1] = century[1];
    std::size_t length = 2;
    for (const std::size_t piece : {order.year, order.month, order.day}) {
        out[length++] = date[3 * piece];
        out[length++] = date[3 * piece + 1];
    }
}

} // namespace

void convertDate(FieldText& date, DateLayout layout, AdifFragment& fragment, DateTally* tally)
{
    if (isBlank(date)) {
        fragment.assign(kMissingDate);
        return;
    }
    trimInPlace(date);
    const DatePieces pieces = datePiecesOf(date);
    if (tally != nullptr) {
        tally->add(pieces);
    }
    if (hasAllPieces(pieces) && isRealDate(pieces, layout, dayTables())) {
        char normalised[kDateLength];
        normaliseDate(date, layout, normalised);
        date.assign({normalised, kDateLength});
        makeFragment(fragment, "QSO_DATE", date);
        return;
    }
    // A bad date keeps what the user wrote, trimmed, so the field and the marker in bad.adi show the same text.
    makeMarkedFragment(fragment, "QSO_DATE", date);
}

} // namespace quillon::engine
