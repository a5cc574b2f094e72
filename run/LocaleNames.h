// Weekday and month names and the time separator of the user's locale, for the timestamp line.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillon::run {

class LocaleNames
{
public:
    // English names and ":"; what a missing or unknown locale falls back to.
    LocaleNames();

    // The names of the locale that the environment selects for dates and times (LC_ALL, LC_TIME, LANG), or
    // of the named locale. A locale that is not installed gives the English names.
    static LocaleNames fromLocale(const char* localeName = "");

    // How a locale writes its time format: "%H:%M:%S" (POSIX) or "HH:mm:ss" (Windows).
    enum class TimeNotation { Posix, Windows };

    // The separator of a locale's time format: the character that stands both between the hours and the minutes
    // and between the minutes and the seconds, when that is one and the same punctuation character; ":"
    // otherwise, as for a format with hour and minute suffixes instead of a separator.
    static std::string timeSeparatorOf(std::string_view timeFormat, TimeNotation notation);

    const std::string& weekdayName(int weekday) const { return m_weekdays.at(static_cast<std::size_t>(weekday)); }
    const std::string& monthAbbreviation(int month) const { return m_months.at(static_cast<std::size_t>(month - 1)); }
    const std::string& timeSeparator() const { return m_timeSeparator; }

private:
    std::array<std::string, 7> m_weekdays; // Sunday first
    std::array<std::string, 12> m_months;
    std::string m_timeSeparator;
};

} // namespace quillon::run
