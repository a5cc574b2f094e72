// QSO_DATE in the layouts the golden logs do not use, and the tally of dates each layout reads.
#include "engine/DateTimeConverter.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

std::string convertedDate(FieldText& date, DateLayout layout)
{
    AdifFragment fragment = "left over from the last record";
    convertDate(date, layout, fragment);
    return std::string(fragment.view());
}

// The golden logs under tests/data read their dates as YY-MM-DD and DD-MM-YY; these are the other two layouts.
TEST(DateTimeConverterTest, OtherLayouts)
{
    struct Case {
        DateLayout layout;
        std::string date;
        std::string fragment;
    };
    const Case cases[] = {
        {DateLayout::MmDdYy, "12/31/99", "<QSO_DATE:8>19991231 "},
        {DateLayout::MmDdYy, "01-02-40", "<QSO_DATE:8>19400102 "},
        {DateLayout::MmDdYy, "31-12-99", "<QSO_DATE:5>*BAD* 31-12-99 "},
        {DateLayout::YyDdMm, "40-31-12", "<QSO_DATE:8>19401231 "},
        {DateLayout::YyDdMm, "40-12-31", "<QSO_DATE:5>*BAD* 40-12-31 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        FieldText date = c.date;
        EXPECT_EQ(convertedDate(date, c.layout), c.fragment);
    }
}

// The tally counts, for every layout, exactly the dates the conversion marks: checked on every combination of
// pieces around the edges of months, days and leap years.
TEST(DateTimeConverterTest, TallyAgreesWithTheConversion)
{
    const char* pieces[] = {"00", "01", "02", "04", "12", "13", "28", "29", "30", "31", "32", "39", "40", "99", "x1"};
    DateTally tally;
    std::int64_t marked[4] = {};
    for (const char* a : pieces) {
        for (const char* b : pieces) {
            for (const char* c : pieces) {
                const std::string date = std::string(a) + "-" + b + "/" + c;
                tally.add(date);
                for (const DateLayout layout : kAllDateLayouts) {
                    FieldText field = date;
                    marked[static_cast<int>(layout)] += convertedDate(field, layout).find("*BAD*") != std::string::npos;
                }
            }
        }
    }
    tally.add("1999-12-31");
    for (const DateLayout layout : kAllDateLayouts) {
        EXPECT_EQ(tally.badDates(layout), marked[static_cast<int>(layout)] + 1);
    }
    EXPECT_EQ(tally.dates(), 15 * 15 * 15 + 1);
}

} // namespace
} // namespace quillon::engine
