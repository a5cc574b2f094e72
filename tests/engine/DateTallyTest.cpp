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

// Dates on lines 1, 2, 3, ...: where each layout first fails, and from where it reads to the end. Typos count for
// neither.
TEST(DateTallyTest, WhereLayoutsStopAndStartReading)
{
    struct Case {
        const char* name;
        std::vector<std::string> dates;
        DateLayout layout;
        std::int64_t firstBad;
        std::int64_t readsAllFrom;
    };
    const Case cases[] = {
        {"month first, then day first", {"12-25-99", "01-05-99", "25-12-99", "31-01-00"}, DateLayout::MmDdYy, 3, 0},
        {"the same, seen from day first", {"12-25-99", "01-05-99", "25-12-99", "31-01-00"}, DateLayout::DdMmYy, 1, 2},
        {"a typo after the switch", {"12-25-99", "25-12-99", "99-99-99"}, DateLayout::DdMmYy, 1, 2},
        {"a typo first", {"1x-0y-0z", "25-12-99"}, DateLayout::DdMmYy, 0, 2},
        {"a leap day that only one layout reads", {"29-02-00", "12-25-99"}, DateLayout::DdMmYy, 2, 0},
        {"never bad", {"25-12-99", "31-12-99"}, DateLayout::DdMmYy, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DateTally tally;
        for (std::size_t i = 0; i < c.dates.size(); ++i) {
            tally.setLine(static_cast<std::int64_t>(i) + 1);
            tally.add(c.dates[i]);
        }
        EXPECT_EQ(tally.firstBadLine(c.layout), c.firstBad);
        EXPECT_EQ(tally.readsAllFromLine(c.layout), c.readsAllFrom);
    }
}

} // namespace
} // namespace quillon::engine
