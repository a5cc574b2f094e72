// The century of a two-digit year and the calendar test.
#include "engine/CalendarDate.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

TEST(CalendarDateTest, CenturyReadsTheLeadingNumber)
{
    struct Case {
        std::string year;
        std::string century;
    };
    const Case cases[] = {
        {"40", "19"},
        {"99", "19"},
        {"39", "20"},
        {"00", "20"},
        {"05", "20"},
        // Blanks are skipped wherever they stand.
        {" 4", "20"},
        {"4 ", "20"},
        {"4 5", "19"},
        {" 45", "19"},
        {"- 50", "20"},
        // Signs and decimal points; the value is compared as a real number.
        {"+50", "19"},
        {"-50", "20"},
        {"39.99", "20"},
        {"40.0", "19"},
        {".9", "20"},
        {"4.", "20"},
        // Reading stops at the first other character; no number at all reads as 0.
        {"50x", "19"},
        {"4e1", "20"},
        {"5-0", "20"},
        {"+-50", "20"},
        {"ab", "20"},
        {"", "20"},
        {"&H50", "20"},
        {"0040", "19"},
        {"123456789012345678901234567890", "19"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("year [" + c.year + "]");
        EXPECT_EQ(centuryOf(c.year), c.century);
    }
}

TEST(CalendarDateTest, OnlyRealDaysPass)
{
    struct Case {
        std::string date;
        bool real;
    };
    const Case cases[] = {
        {"19991231", true},  {"20000101", true},  {"20000229", true},  {"20040229", true},  {"19400229", true},
        {"19000229", false}, {"20050229", false}, {"20050430", true},  {"20050431", false}, {"20051131", false},
        {"20050131", true},  {"20050132", false}, {"20050100", false}, {"20050001", false}, {"20051301", false},
        {"2005010a", false}, {"2005 101", false}, {"2005-1-1", false}, {"2005011", false},  {"200501011", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("date [" + c.date + "]");
        EXPECT_EQ(isCalendarDate(c.date), c.real);
    }
}

} // namespace
} // namespace quillon::engine
