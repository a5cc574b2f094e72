// The options of quillon-convert: what is accepted, what is refused.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace quillon::cli {
namespace {

using engine::BandFormat;
using engine::DateLayout;

TEST(CommandLineTest, ParsesConversions)
{
    struct Case {
        std::vector<std::string_view> arguments;
        DateLayout layout;
        BandFormat band;
        std::string folder;
        std::string logFile = {};
    };
    const Case cases[] = {
        {{"--date", "YY-MM-DD"}, DateLayout::YyMmDd, BandFormat::Meters, "."},
        {{"--date=dd-mm-yy", "--band", "mhz"}, DateLayout::DdMmYy, BandFormat::Mhz, "."},
        {{"--band=Meters", "--dir", "/tmp/x", "--date", "MM-DD-YY"}, DateLayout::MmDdYy, BandFormat::Meters, "/tmp/x"},
        {{"--date", "YY-DD-MM", "--dir=a b"}, DateLayout::YyDdMm, BandFormat::Meters, "a b"},
        // A log named: its outputs go beside it.
        {{"--date", "auto", "logs/1998/LOG.ASC"}, DateLayout::YyMmDd, BandFormat::Meters, "logs/1998", "LOG.ASC"},
        {{"1998.asc", "--date", "DD-MM-YY"}, DateLayout::DdMmYy, BandFormat::Meters, ".", "1998.asc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        const CommandLine parsed = parseCommandLine(c.arguments);
        ASSERT_EQ(parsed.action, CommandAction::Convert) << parsed.error;
        EXPECT_EQ(parsed.options.layout, c.layout);
        EXPECT_EQ(parsed.options.band, c.band);
        EXPECT_EQ(parsed.options.folder, c.folder);
        EXPECT_EQ(parsed.options.logFile, c.logFile);
    }
}

TEST(CommandLineTest, RefusesBadUsage)
{
    const std::vector<std::vector<std::string_view>> cases = {
        {},
        {"--band", "mhz"},
        {"--date", "YYYY-MM-DD"},
        {"--date"},
        {"--date", "YY-MM-DD", "--band", "khz"},
        {"--date", "YY-MM-DD", "--dir="},
        {"--date", "YY-MM-DD", "one.asc", "two.asc"},
        {"--date", "YY-MM-DD", "--dir", "x", "log.asc"},
        {"-d", "YY-MM-DD"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.empty() ? "(none)" : std::string(arguments.back()));
        const CommandLine parsed = parseCommandLine(arguments);
        EXPECT_EQ(parsed.action, CommandAction::UsageError);
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(CommandLineTest, HelpAndVersionWinOverEverythingElse)
{
    for (const std::string_view help : {"--help", "-h", "/?"}) {
        SCOPED_TRACE(help);
        EXPECT_EQ(parseCommandLine({help}).action, CommandAction::Help);
        EXPECT_EQ(parseCommandLine({"--bogus", help}).action, CommandAction::UsageError);
        EXPECT_EQ(parseCommandLine({"--date", "YY-MM-DD", "log.asc", help}).action, CommandAction::Help);
    }
    EXPECT_EQ(parseCommandLine({"--version"}).action, CommandAction::Version);
}

} // namespace
} // namespace quillon::cli
