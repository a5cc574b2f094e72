// The date and band counts of a log under each layout and format.
#include "engine/FormatSurvey.h"

#include "engine/BandConverter.h"
#include "engine/DateTimeConverter.h"
#include "engine/TextRules.h"

namespace quillon::engine {

// The date is cut into its pieces once; each layout then only reorders them.
void FormatSurvey::add(const ContactRecord& record)
{
    if (const std::string_view date = trimmedBlanks(record[Field::Date]); !date.empty()) {
        ++m_dates;
        const DatePieces pieces = datePiecesOf(date);
        for (const DateLayout layout : kAllDateLayouts) {
            m_badDates[static_cast<std::size_t>(layout)] += isRealDate(pieces, layout) ? 0 : 1;
        }
    }
    if (const std::string_view band = trimmedBlanks(record[Field::Band]); !band.empty()) {
        ++m_bands;
        for (const BandFormat format : kAllBandFormats) {
            m_badBands[static_cast<std::size_t>(format)] += bandNameOf(band, format).empty() ? 1 : 0;
        }
    }
}

} // namespace quillon::engine
