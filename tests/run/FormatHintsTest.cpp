// The notes on a date layout or band format that does not fit the log, from the dates and bands as read.
#include "run/FormatHints.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace quillon::run {
namespace {

using engine::BandFormat;
using engine::DateLayout;
using engine::Field;

engine::FormatSurvey surveyOf(const std::vector<std::string>& values, Field field)
{
    engine::FormatSurvey survey;
    std::int64_t line = 0;
    for (const std::string& value : values) {
        engine::ContactRecord record;
        record[field].assign(value);
        survey.add(record, ++line);
    }
    return survey;
}

// A note's text, or none when it is empty; a note always carries its title and the information icon.
TEST(FormatHintsTest, NoteOnlyWhereAnotherLayoutOrFormatReadsMore)
{
    struct Case {
        const char* name;
        std::vector<std::string> values;
        std::variant<DateLayout, BandFormat> chosen;
        std::string hint;
    };
    const std::vector<std::string> dayFirst = {"12-08-99", " 25-12-99", "31-01-00 ", "05-05-05", "", "   "};
    const std::vector<std::string> meters = {"20", " 40m", "70cm ", "2", ""};
    const std::vector<std::string> mhz = {"14.025", "7.1", "60", "432.1"};
    const Case cases[] = {
        {"a day-first log read month first", dayFirst, DateLayout::MmDdYy,
         "2 of 4 dates are not real dates as MM-DD-YY; DD-MM-YY reads all 4"},
        {"the layout that fits", dayFirst, DateLayout::DdMmYy, ""},
        {"several others fit",
         {"05-06-13"},
         DateLayout::YyDdMm,
         "1 of 1 date is not a real date as YY-DD-MM; YY-MM-DD, MM-DD-YY and DD-MM-YY read it"},
        {"a typo no layout reads", {"99-12-31", "99-99-99"}, DateLayout::YyMmDd, ""},
        {"typos beside the layout that fits",
         {"25-12-99", "31-01-00", "1x-0y-0z"},
         DateLayout::MmDdYy,
         "3 of 3 dates are not real dates as MM-DD-YY; DD-MM-YY reads all 3 but the 1 that no layout reads"},
        {"month first, then day first from line 3",
         {"12-25-99", "11-30-99", "05-06-00", "25-12-00", "31-01-01"},
         DateLayout::MmDdYy,
         "Dates from line 3 on read as DD-MM-YY, not MM-DD-YY: the contacts from there on may be misdated; convert "
         "the two parts separately"},
        {"layouts mixed with no one line to switch at", {"12-25-99", "25-12-99", "12-26-99"}, DateLayout::MmDdYy, ""},
        // Month first, then day first, but YY-DD-MM reads every date alike: no change of layout, one layout fits.
        {"two parts that a third layout reads whole",
         {"01-13-02", "01-14-02", "01-15-02", "13-01-02", "14-01-02", "15-01-02"},
         DateLayout::MmDdYy,
         "3 of 6 dates are not real dates as MM-DD-YY; YY-DD-MM reads all 6"},
        {"the chosen one fits among several", {"01-02-03"}, DateLayout::MmDdYy, ""},
        {"no dates", {"", " "}, DateLayout::YyMmDd, ""},
        {"a meters log read as MHz", meters, BandFormat::Mhz,
         "4 of 4 bands are not in the band list as MHz; meters reads all 4"},
        {"the format that fits", meters, BandFormat::Meters, ""},
        {"a MHz log with a typo read as meters", mhz, BandFormat::Meters,
         "4 of 4 bands are not in the band list as meters; MHz reads all 4 but the 1 that neither knows"},
        {"the other not better by half", {"60", "7", "14", "20"}, BandFormat::Meters, ""},
        {"the other better by exactly half",
         {"14.025", "7.1", "50.1", "xyz", "20"},
         BandFormat::Meters,
         "4 of 5 bands are not in the band list as meters; MHz leaves only 2 unknown"},
        {"a typo in the right format", mhz, BandFormat::Mhz, ""},
        {"a typo in a meters log read as MHz",
         {"20", "40m", "xyz"},
         BandFormat::Mhz,
         "3 of 3 bands are not in the band list as MHz; meters reads all 3 but the 1 that neither knows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool dates = std::holds_alternative<DateLayout>(c.chosen);
        const auto survey = surveyOf(c.values, dates ? Field::Date : Field::Band);
        const auto hint = dates ? dateLayoutHint(survey, std::get<DateLayout>(c.chosen))
                                : bandFormatHint(survey, std::get<BandFormat>(c.chosen));
        EXPECT_EQ(hint ? hint->text : "", c.hint);
        if (hint) {
            EXPECT_EQ(hint->title, dates ? "Check the date layout" : "Check the band format");
            EXPECT_EQ(hint->style, MessageStyle::Information);
        }
    }
}

// Before a layout is chosen, the first layout that starts a switched log names it.
TEST(FormatHintsTest, SwitchFoundBeforeAnyLayoutIsChosen)
{
    const auto survey = surveyOf({"99-12-25", "99-11-30", "12-25-99", "01-31-01"}, Field::Date);
    const auto change = layoutSwitch(survey.dateTally());
    ASSERT_TRUE(change.has_value());
    EXPECT_EQ(change->line, 3);
    EXPECT_EQ(change->before, DateLayout::YyMmDd);
    EXPECT_EQ(change->after, DateLayout::MmDdYy);
    EXPECT_FALSE(layoutSwitch(surveyOf({"99-12-25", "12-25-99", "99-11-30"}, Field::Date).dateTally()));
}

} // namespace
} // namespace quillon::run
