// QSO_DATE and TIME_ON conversions.
#include "engine/DateTimeConverter.h"

namespace quillon::engine {

void convertDate(std::string& date, DateLayout /*layout*/, AdifFragment& fragment)
{
    applyPlainRule(date, "QSO_DATE", fragment);
}

void convertTime(std::string& time, AdifFragment& fragment)
{
    applyPlainRule(time, "TIME_ON", fragment);
}

} // namespace quillon::engine
