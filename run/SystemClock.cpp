// The machine's date and time, local and in UTC.
#include "run/Clock.h"

#include <ctime>

namespace quillon::run {

LocalTime SystemClock::now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday},
            {local.tm_hour, local.tm_min, local.tm_sec}};
}

LocalTime SystemClock::utcNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    return {{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_wday}, {utc.tm_hour, utc.tm_min, utc.tm_sec}};
}

} // namespace quillon::run
