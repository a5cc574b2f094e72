// The English names that stand in for a missing locale, and the time separator read from a time format.
#include "run/LocaleNames.h"

#include <algorithm>

namespace quillon::run {

namespace {

constexpr std::array<const char*, 7> kEnglishWeekdays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kEnglishMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Both notations are reduced to one outline in which these marks stand for the fields and all else is text.
constexpr char kHour = '\1';
constexpr char kMinute = '\2';
constexpr char kSecond = '\3';
constexpr char kOtherField = '\4';

// What one POSIX conversion stands for in the outline; the E and O modifiers change nothing here.
std::string posixField(char field)
{
    constexpr std::string_view kFields = "HkIlMS";
    constexpr std::string_view kMarks = "\1\1\1\1\2\3";
    if (const auto at = kFields.find(field); at != std::string_view::npos) {
        return std::string(1, kMarks[at]);
    }
    if (field == 'T' || field == 'r') {
        return "\1:\2:\3";
    }
    if (field == 'R') {
        return "\1:\2";
    }
    return field == '%' ? "%" : std::string(1, kOtherField);
}

// "%H:%M:%S" becomes "\1:\2:\3".
std::string posixOutline(std::string_view format)
{
    std::string outline;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            outline += format[i];
            continue;
        }
        char field = format[++i];
        if ((field == 'E' || field == 'O') && i + 1 < format.size()) {
            field = format[++i];
        }
        outline += posixField(field);
    }
    return outline;
}

// "HH:mm:ss" becomes "\1:\2:\3": a run of h, H, m, s or t letters is one field, and quoted text is literal.
std::string windowsOutline(std::string_view format)
{
    std::string outline;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char letter = format[i];
        if (letter == '\'') {
            const auto end = std::min(format.find('\'', i + 1), format.size());
            outline += format.substr(i + 1, end - i - 1);
            i = end;
            continue;
        }
        constexpr std::string_view kFields = "hHmst";
        constexpr std::string_view kMarks = "\1\1\2\3\4";
        const auto field = kFields.find(letter);
        if (field == std::string_view::npos) {
            outline += letter;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == letter) {
            ++i;
        }
        outline += kMarks[field];
    }
    return outline;
}

bool isPunctuation(char c)
{
    return c > ' ' && c < '\x7f' && !(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z');
}

} // namespace

LocaleNames::LocaleNames()
    : m_timeSeparator(":")
{
    for (std::size_t i = 0; i < m_weekdays.size(); ++i) {
        m_weekdays[i] = kEnglishWeekdays[i];
    }
    for (std::size_t i = 0; i < m_months.size(); ++i) {
        m_months[i] = kEnglishMonths[i];
    }
}

std::string LocaleNames::timeSeparatorOf(std::string_view timeFormat, TimeNotation notation)
{
    const std::string outline = notation == TimeNotation::Posix ? posixOutline(timeFormat) : windowsOutline(timeFormat);
    const auto hour = outline.find(kHour);
    if (hour == std::string::npos || outline.size() - hour < 5) {
        return ":";
    }
    const char separator = outline[hour + 1];
    const bool sameBetweenAll =
        outline[hour + 2] == kMinute && outline[hour + 3] == separator && outline[hour + 4] == kSecond;
    return sameBetweenAll && isPunctuation(separator) ? std::string(1, separator) : ":";
}

} // namespace quillon::run
