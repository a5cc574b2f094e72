// Weekday and month names and the time separator of the user's locale, for the timestamp line.
#pragma once

#include <array>
#include <string>

namespace quillon::run {

class LocaleNames
{
public:
    // English names and ":"; what a missing or unknown locale falls back to.
    LocaleNames();

    // The names of the locale that the environment selects for dates and times (LC_ALL, LC_TIME, LANG), or
    // of the named locale. A locale that is not installed gives the English names.
    static LocaleNames fromLocale(const char* localeName = "");

    const std::string& weekdayName(int weekday) const { return m_weekdays.at(static_cast<std::size_t>(weekday)); }
    const std::string& monthAbbreviation(int month) const { return m_months.at(static_cast<std::size_t>(month - 1)); }
    const std::string& timeSeparator() const { return m_timeSeparator; }

private:
    std::array<std::string, 7> m_weekdays; // Sunday first
    std::array<std::string, 12> m_months;
    std::string m_timeSeparator;
};

} // namespace quillon::run
