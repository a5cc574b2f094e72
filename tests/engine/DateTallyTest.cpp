// The tally of the dates each layout reads, against the conversion itself, and where a layout stops reading them;
// the golden logs check the dates.
#include "engine/DateConverter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillon::engine {
namespace {

bool markedBad(const std::string& date, DateLayout layout)
{
    FieldText field = date;
    AdifFragment fragment = "left over from the last record";
    convertDate(field, layout, fragment);
    return fragment.view().find("*BAD*") != std::string_view::npos;
}

// The tally counts, for every layout, exactly the dates the conversion marks, and as typos exactly those that
// every layout marks: checked on every combination of pieces around the edges of months, days and leap years.
TEST(DateTallyTest, AgreesWithTheConversion)
{
    const char* pieces[] = {"00", "01", "02", "04", "12", "13", "28", "29", "30", "31", "32", "39", "40", "99", "x1"};
    DateTally tally;
    std::int64_t marked[4] = {};
    std::int64_t typos = 0;
    for (const char* a : pieces) {
        for (const char* b : pieces) {
            for (const char* c : pieces) {
                const std::string date = std::string(a) + "-" + b + "/" + c;
                tally.add(date);
                int markings = 0;
                for (const DateLayout layout : kAllDateLayouts) {
                    const bool bad = markedBad(date, layout);
                    marked[static_cast<int>(layout)] += bad;
                    markings += bad;
                }
                typos += markings == 4;
            }
        }
    }
    tally.add("1999-12-31");
    for (const DateLayout layout : kAllDateLayouts) {
        EXPECT_EQ(tally.badDates(layout), marked[static_cast<int>(layout)] + 1);
    }
    EXPECT_EQ(tally.typos(), typos + 1);
    EXPECT_EQ(tally.dates(), 15 * 15 * 15 + 1);
}

// Dates on lines 1, 2, 3, ...: the best place to go from one layout to another, and what the two parts read.
TEST(DateTallyTest, BestSplitBetweenTwoLayouts)
{
    struct Case {
        const char* name;
        std::vector<std::string> dates;
        DateLayout before;
        DateLayout after;
        std::int64_t reads;
        std::int64_t line;
    };
    const DateLayout mdy = DateLayout::MmDdYy;
    const DateLayout dmy = DateLayout::DdMmYy;
    const std::vector<std::string> switched = {"12-25-99", "01-05-99", "25-12-99", "31-01-00"};
    const Case cases[] = {
        // From the date after the last that only month first reads: the one between, both read.
        {"month first, then day first", switched, mdy, dmy, 4, 2},
        {"the other way round: no split helps", switched, dmy, mdy, 3, 0},
        {"typos and dates both read move nothing", {"12-25-99", "99-99-99", "05-06-99", "25-12-99"}, mdy, dmy, 3, 2},
        {"a typo the other layout reads ties two places: the first is taken",
         {"12-25-99", "13-01-99", "12-26-99", "25-12-99", "26-12-99"},
         mdy,
         dmy,
         4,
         2},
        {"never another layout", {"12-25-99", "12-26-99"}, mdy, dmy, 2, 0},
        {"the switch at the last date", {"12-25-99", "25-12-99"}, mdy, dmy, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DateTally tally;
        for (std::size_t i = 0; i < c.dates.size(); ++i) {
            tally.setLine(static_cast<std::int64_t>(i) + 1);
            tally.add(c.dates[i]);
        }
        EXPECT_EQ(tally.splitReads(c.before, c.after), c.reads);
        EXPECT_EQ(tally.splitLine(c.before, c.after), c.line);
    }
}

} // namespace
} // namespace quillon::engine
