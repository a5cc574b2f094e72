// QSO_DATE and TIME_ON: layouts, century, calendar checks, zero fill and time shapes.
#include "engine/DateTimeConverter.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

struct DateCase {
    DateLayout layout;
    std::string date;
    std::string fragment;
    std::string writtenBack; // DATE after the conversion
};

const DateCase kDateCases[] = {
    // The four layouts and the century pivot.
    {DateLayout::YyMmDd, "99-12-31", "<QSO_DATE:8>19991231 ", "19991231"},
    {DateLayout::MmDdYy, "12/31/99", "<QSO_DATE:8>19991231 ", "19991231"},
    {DateLayout::DdMmYy, "31.12.05", "<QSO_DATE:8>20051231 ", "20051231"},
    {DateLayout::YyDdMm, "40-31-12", "<QSO_DATE:8>19401231 ", "19401231"},
    {DateLayout::YyMmDd, "39-12-31", "<QSO_DATE:8>20391231 ", "20391231"},
    {DateLayout::YyMmDd, "00-01-01", "<QSO_DATE:8>20000101 ", "20000101"},
    {DateLayout::MmDdYy, "01-02-40", "<QSO_DATE:8>19400102 ", "19400102"},
    // Separators may be anything; surrounding blanks are trimmed.
    {DateLayout::YyMmDd, "99 12 31", "<QSO_DATE:8>19991231 ", "19991231"},
    {DateLayout::YyMmDd, "  99-12-31 ", "<QSO_DATE:8>19991231 ", "19991231"},
    // Leap days: 2000 and 1940 are leap years, 2001 and 1999 are not.
    {DateLayout::YyMmDd, "00-02-29", "<QSO_DATE:8>20000229 ", "20000229"},
    {DateLayout::DdMmYy, "29-02-40", "<QSO_DATE:8>19400229 ", "19400229"},
    {DateLayout::YyMmDd, "01-02-29", "<QSO_DATE:5>*BAD* 01-02-29 ", "01-02-29"},
    {DateLayout::YyMmDd, "99-02-29", "<QSO_DATE:5>*BAD* 99-02-29 ", "99-02-29"},
    // Days and months that do not exist.
    {DateLayout::YyMmDd, "05-04-31", "<QSO_DATE:5>*BAD* 05-04-31 ", "05-04-31"},
    {DateLayout::YyMmDd, "05-00-10", "<QSO_DATE:5>*BAD* 05-00-10 ", "05-00-10"},
    {DateLayout::YyMmDd, "05-13-01", "<QSO_DATE:5>*BAD* 05-13-01 ", "05-13-01"},
    {DateLayout::YyMmDd, "05-01-00", "<QSO_DATE:5>*BAD* 05-01-00 ", "05-01-00"},
    {DateLayout::YyMmDd, "05-01-32", "<QSO_DATE:5>*BAD* 05-01-32 ", "05-01-32"},
    // The wrong layout for the text shows up as an impossible month.
    {DateLayout::YyMmDd, "12/31/99", "<QSO_DATE:5>*BAD* 12/31/99 ", "12/31/99"},
    // Shapes that are not eight characters, and pieces that are not digits.
    {DateLayout::YyMmDd, "1999-12-31", "<QSO_DATE:5>*BAD* 1999-12-31 ", "1999-12-31"},
    {DateLayout::YyMmDd, "99-1-31", "<QSO_DATE:5>*BAD* 99-1-31 ", "99-1-31"},
    {DateLayout::YyMmDd, " 9-12-31", "<QSO_DATE:5>*BAD* 9-12-31 ", "9-12-31"},
    {DateLayout::YyMmDd, "9 -12-31", "<QSO_DATE:5>*BAD* 9 -12-31 ", "9 -12-31"},
    {DateLayout::YyMmDd, "+9-12-31", "<QSO_DATE:5>*BAD* +9-12-31 ", "+9-12-31"},
    {DateLayout::YyMmDd, "99-12-3a", "<QSO_DATE:5>*BAD* 99-12-3a ", "99-12-3a"},
    // Missing: the field is left alone.
    {DateLayout::YyMmDd, "", "<QSO_DATE:5>*BAD*(Missing) ", ""},
    {DateLayout::DdMmYy, " ", "<QSO_DATE:5>*BAD*(Missing) ", " "},
};

struct TimeCase {
    std::string time;
    std::string fragment;
    std::string writtenBack; // TIME after the conversion
};

const TimeCase kTimeCases[] = {
    // Zero fill of one to three characters.
    {"5", "<TIME_ON:4>0005 ", "0005"},
    {"12", "<TIME_ON:4>0012 ", "0012"},
    {"930", "<TIME_ON:4>0930 ", "0930"},
    {" 930 ", "<TIME_ON:4>0930 ", "0930"},
    // The four shapes; the separator is dropped whatever it is, but for a digit: that is a typo.
    {"1234", "<TIME_ON:4>1234 ", "1234"},
    {"09:30", "<TIME_ON:4>0930 ", "09:30"},
    {"12.34", "<TIME_ON:4>1234 ", "12.34"},
    {"12h30", "<TIME_ON:4>1230 ", "12h30"},
    {"093015", "<TIME_ON:6>093015 ", "093015"},
    {"09:30:15", "<TIME_ON:6>093015 ", "09:30:15"},
    {"12 34 56", "<TIME_ON:6>123456 ", "12 34 56"},
    {"12345", "<TIME_ON:5>*BAD* 12345 ", "12345"},
    {"12304500", "<TIME_ON:5>*BAD* 12304500 ", "12304500"},
    {"12:34500", "<TIME_ON:5>*BAD* 12:34500 ", "12:34500"},
    {"12034:56", "<TIME_ON:5>*BAD* 12034:56 ", "12034:56"},
    // Range edges.
    {"0000", "<TIME_ON:4>0000 ", "0000"},
    {"2359", "<TIME_ON:4>2359 ", "2359"},
    {"23:59:59", "<TIME_ON:6>235959 ", "23:59:59"},
    {"2400", "<TIME_ON:5>*BAD* 2400 ", "2400"},
    {"2460", "<TIME_ON:5>*BAD* 2460 ", "2460"},
    {"60", "<TIME_ON:5>*BAD* 60 ", "60"},
    {"23:60", "<TIME_ON:5>*BAD* 23:60 ", "23:60"},
    {"235960", "<TIME_ON:5>*BAD* 235960 ", "235960"},
    {"24:00:00", "<TIME_ON:5>*BAD* 24:00:00 ", "24:00:00"},
    // Digits missing where the shape wants them; the bad value is shown as written, without the zero fill.
    {"9:30", "<TIME_ON:5>*BAD* 9:30 ", "9:30"},
    {"12a4", "<TIME_ON:5>*BAD* 12a4 ", "12a4"},
    {"-5", "<TIME_ON:5>*BAD* -5 ", "-5"},
    {"09:3O:15", "<TIME_ON:5>*BAD* 09:3O:15 ", "09:3O:15"},
    // Lengths with no shape.
    {"9:30:15", "<TIME_ON:5>*BAD* 9:30:15 ", "9:30:15"},
    {"1234567", "<TIME_ON:5>*BAD* 1234567 ", "1234567"},
    {"123456789", "<TIME_ON:5>*BAD* 123456789 ", "123456789"},
    {"12:30:15:00", "<TIME_ON:5>*BAD* 12:30:15:00 ", "12:30:15:00"},
    // Missing: the field is left alone.
    {"", "<TIME_ON:5>*BAD* (Missing) ", ""},
    {"   ", "<TIME_ON:5>*BAD* (Missing) ", "   "},
};

std::string convertedDate(FieldText& date, DateLayout layout)
{
    AdifFragment fragment = "left over from the last record";
    convertDate(date, layout, fragment);
    return std::string(fragment.view());
}

std::string convertedTime(FieldText& time)
{
    AdifFragment fragment = "left over from the last record";
    convertTime(time, fragment);
    return std::string(fragment.view());
}

TEST(DateTimeConverterTest, Date)
{
    for (const auto& c : kDateCases) {
        SCOPED_TRACE("DATE [" + c.date + "] in layout " + std::to_string(static_cast<int>(c.layout)));
        FieldText date = c.date;
        EXPECT_EQ(convertedDate(date, c.layout), c.fragment);
        EXPECT_EQ(date, c.writtenBack);
    }
}

TEST(DateTimeConverterTest, Time)
{
    for (const auto& c : kTimeCases) {
        SCOPED_TRACE("TIME [" + c.time + "]");
        FieldText time = c.time;
        EXPECT_EQ(convertedTime(time), c.fragment);
        EXPECT_EQ(time, c.writtenBack);
    }
}

} // namespace
} // namespace quillon::engine
