// The tally of the dates each layout reads, against the conversion itself; the golden logs check the dates.
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
