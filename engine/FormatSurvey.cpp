// The date and band counts of a log that is only looked at.
#include "engine/FormatSurvey.h"

#include "engine/TextRules.h"

namespace quillon::engine {

void FormatSurvey::add(const ContactRecord& record, std::int64_t line)
{
    m_dates.setLine(line);
    if (const std::string_view date = trimmedBlanks(record[Field::Date]); !date.empty()) {
        m_dates.add(date);
    }
    if (const std::string_view band = trimmedBlanks(record[Field::Band]); !band.empty()) {
        m_bands.add(band);
    }
}

} // namespace quillon::engine
