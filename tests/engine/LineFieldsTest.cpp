// Lines and fields as written agree with the reader, and a corrected value written back reads back unchanged.
#include "engine/LineFields.h"

#include "engine/LogLines.h"
#include "tests/support/ReadAllRecords.h"
#include "tests/support/StringSource.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

std::vector<std::string> valuesOf(std::string_view line)
{
    std::vector<std::string> values;
    for (const std::string_view raw : rawFieldsOf(line)) {
        values.emplace_back(fieldValueOf(raw));
    }
    return values;
}

std::vector<std::string> readerValuesOf(const std::string& line)
{
    tests::StringSource source(line + "\n");
    const tests::ReadOutcome read = tests::readAllRecords(source, 4096);
    return read.records.size() == 1 ? read.records[0] : std::vector<std::string>{};
}

const std::string kTail = ",f,g,h,i,j,k,l,m,n,o,p,q,r,s"; // fields 5 to 18

TEST(LineFieldsTest, SplitsAsTheReaderDoes)
{
    for (const std::string& line : {
             "a,b,c,d" + kTail,
             "  a , \"b, c\" ,\td" + kTail + ",\"x",
             "a,\"b\"junk,c,d" + kTail,
             "a,b\"c,\"\",d" + kTail,
             ",,," + kTail,
         }) {
        SCOPED_TRACE(line);
        EXPECT_EQ(valuesOf(line), readerValuesOf(line));
    }
    EXPECT_EQ(rawFieldsOf(" \t ").size(), 0U);
    EXPECT_EQ(rawFieldsOf("a,\"b,c\",d"), (std::vector<std::string_view>{"a", "\"b,c\"", "d"}));
    EXPECT_EQ(rawFieldsOf("a,\"b,c"), (std::vector<std::string_view>{"a", "\"b,c"}));
}

TEST(LineFieldsTest, WritesAValueTheReaderTakesBack)
{
    for (const std::string value : {"plain", "Smith, J", "a\"b", "", "caf\xE9"}) {
        SCOPED_TRACE(value);
        const auto raw = rawFieldFor(value);
        ASSERT_TRUE(raw.has_value());
        const auto read = readerValuesOf("x,y,z," + *raw + kTail);
        ASSERT_EQ(read.size(), kFieldCount);
        EXPECT_EQ(read[3], value.starts_with(' ') ? value.substr(2) : value);
    }
    for (const std::string value : {"two\nlines", "cr\r", "\"quoted", "  \"quoted", "a, \"b\""}) {
        EXPECT_FALSE(rawFieldFor(value).has_value()) << value;
    }
}

TEST(LineFieldsTest, CountsLinesAsTheReaderDoes)
{
    const LogLines lines("\xEF\xBB\xBF"
                         "one\r\ntwo\rthree\n\nfive");
    ASSERT_EQ(lines.count(), 5);
    EXPECT_EQ(lines.text(1), "one");
    EXPECT_EQ(lines.text(2), "two");
    EXPECT_EQ(lines.text(4), "");
    EXPECT_EQ(lines.text(5), "five");
    EXPECT_EQ(lines.replaced({{1, "1"}, {4, "4"}}), "\xEF\xBB\xBF"
                                                    "1\r\ntwo\rthree\n4\nfive");
    EXPECT_EQ(LogLines("a\n").count(), 1);
    EXPECT_EQ(LogLines("").count(), 0);
}

} // namespace
} // namespace quillon::engine
