// Reads the day and month names and the time format of a locale with GetLocaleInfoEx, as UTF-8, falling back to
// English.
#include "run/LocaleNames.h"
#include "run/WideText.h"

#include <optional>
#include <windows.h>

namespace quillon::run {

namespace {

// Windows counts the week from Monday; the names here start on Sunday.
constexpr std::array<LCTYPE, 7> kWeekdayItems{LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2, LOCALE_SDAYNAME3,
                                              LOCALE_SDAYNAME4, LOCALE_SDAYNAME5, LOCALE_SDAYNAME6};
constexpr std::array<LCTYPE, 12> kMonthItems{
    LOCALE_SABBREVMONTHNAME1, LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,  LOCALE_SABBREVMONTHNAME4,
    LOCALE_SABBREVMONTHNAME5, LOCALE_SABBREVMONTHNAME6,  LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,
    LOCALE_SABBREVMONTHNAME9, LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};

// "" is the user's own locale; a POSIX name such as "de_DE.UTF-8" becomes "de-DE". Nothing for "C" and "POSIX",
// whose names are the English ones.
std::optional<std::wstring> windowsLocaleName(std::string_view name)
{
    if (name == "C" || name == "POSIX") {
        return std::nullopt;
    }
    std::string windowsName(name.substr(0, name.find_first_of(".@")));
    for (char& c : windowsName) {
        c = c == '_' ? '-' : c;
    }
    return wideText(windowsName);
}

std::string localeText(const wchar_t* locale, LCTYPE item)
{
    wchar_t text[128] = {};
    const int length = GetLocaleInfoEx(locale, item, text, static_cast<int>(std::size(text)));
    return length > 1 ? utf8Text(std::wstring_view(text, static_cast<std::size_t>(length - 1))) : std::string();
}

void setIfGiven(std::string& target, std::string text)
{
    if (!text.empty()) {
        target = std::move(text);
    }
}

} // namespace

LocaleNames LocaleNames::fromLocale(const char* localeName)
{
    LocaleNames names;
    const std::optional<std::wstring> name = windowsLocaleName(localeName);
    if (!name || (!name->empty() && !IsValidLocaleName(name->c_str()))) {
        return names;
    }
    const wchar_t* locale = name->empty() ? LOCALE_NAME_USER_DEFAULT : name->c_str();
    for (std::size_t i = 0; i < kWeekdayItems.size(); ++i) {
        setIfGiven(names.m_weekdays[i], localeText(locale, kWeekdayItems[i]));
    }
    for (std::size_t i = 0; i < kMonthItems.size(); ++i) {
        setIfGiven(names.m_months[i], localeText(locale, kMonthItems[i]));
    }
    if (const std::string format = localeText(locale, LOCALE_STIMEFORMAT); !format.empty()) {
        names.m_timeSeparator = timeSeparatorOf(format, TimeNotation::Windows);
    }
    return names;
}

} // namespace quillon::run
