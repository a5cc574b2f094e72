// Reads the day and month names and the time format of a locale with nl_langinfo_l, falling back to English.
#include "run/LocaleNames.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace quillon::run {

namespace {

constexpr std::array<nl_item, 7> kWeekdayItems{DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
constexpr std::array<nl_item, 12> kMonthItems{ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                              ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};

void setIfGiven(std::string& target, const char* text)
{
    if (text != nullptr && *text != '\0') {
        target = text;
    }
}

} // namespace

LocaleNames LocaleNames::fromLocale(const char* localeName)
{
    LocaleNames names;
    const locale_t locale = newlocale(LC_TIME_MASK, localeName, static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return names;
    }
    for (std::size_t i = 0; i < kWeekdayItems.size(); ++i) {
        setIfGiven(names.m_weekdays[i], nl_langinfo_l(kWeekdayItems[i], locale));
    }
    for (std::size_t i = 0; i < kMonthItems.size(); ++i) {
        setIfGiven(names.m_months[i], nl_langinfo_l(kMonthItems[i], locale));
    }
    if (const char* format = nl_langinfo_l(T_FMT, locale); format != nullptr) {
        names.m_timeSeparator = timeSeparatorOf(format, TimeNotation::Posix);
    }
    freelocale(locale);
    return names;
}

} // namespace quillon::run
