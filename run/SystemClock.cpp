// The machine's local date and time.
#include "run/Clock.h"

#include <ctime>

namespace quillon::run {

namespace {

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

CalendarDate SystemClock::today() const
{
    const std::tm now = localNow();
    return {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_wday};
}

TimeOfDay SystemClock::timeOfDay() const
{
    const std::tm now = localNow();
    return {now.tm_hour, now.tm_min, now.tm_sec};
}

} // namespace quillon::run
