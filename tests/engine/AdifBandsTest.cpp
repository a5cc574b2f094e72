// The ADIF band list: names in any letter case, the band that holds a frequency, and frequencies read exactly.
#include "engine/AdifBands.h"

#include <charconv>
#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

// Every band by its name in two letter cases and by both its edges; just outside an edge lies no band or another.
TEST(AdifBandsTest, EveryBandByItsNameAndItsEdges)
{
    const AdifBand* below = nullptr;
    for (const AdifBand& band : adifBands()) {
        SCOPED_TRACE(std::string(band.name));
        std::string lower(band.name);
        for (char& c : lower) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        EXPECT_EQ(adifBandNamed(band.name), &band);
        EXPECT_EQ(adifBandNamed(lower), &band);
        EXPECT_EQ(adifBandHolding(band.lowerMhz), &band);
        EXPECT_EQ(adifBandHolding(band.upperMhz), &band);
        EXPECT_NE(adifBandHolding(band.lowerMhz * 0.9999999), &band);
        EXPECT_NE(adifBandHolding(band.upperMhz * 1.0000001), &band);
        EXPECT_TRUE(below == nullptr || below->upperMhz < band.lowerMhz);
        below = &band;
    }
    for (const char* name : {"", "M", "20", "20MM", "1.25CMX", "SUBMILLIMETRE", "20M "}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(adifBandNamed(name), nullptr);
    }
    EXPECT_EQ(adifBandHolding(0.1), nullptr);
    EXPECT_EQ(adifBandHolding(3.2), nullptr);
    EXPECT_EQ(adifBandHolding(8e6), nullptr);
}

// A frequency is the double nearest to its decimal text, the way from_chars reads it, whether it fits the short way
// (up to 15 digits and 22 decimals) or not.
TEST(AdifBandsTest, FrequenciesReadExactly)
{
    // Past 15 digits the short way could round twice: 9.961983914549817 and 4.3915000806360837 would come out one
    // step off.
    const char* numbers[] = {"14.025",
                             "5.06",
                             "54.000001",
                             "0.1357",
                             "7500000",
                             ".5",
                             "5.",
                             "0007.030",
                             "14.350000000000000000000",
                             "123456789012345",
                             "9.961983914549817",
                             "4.3915000806360837",
                             "9007199254740993",
                             "0.30000000000000004",
                             "1.00000000000000000000001",
                             "18446744073709551617.5",
                             "99999999999999999999999999"};
    for (const char* text : numbers) {
        SCOPED_TRACE(text);
        const std::string_view view(text);
        double expected = 0;
        const auto read = std::from_chars(view.data(), view.data() + view.size(), expected, std::chars_format::fixed);
        ASSERT_EQ(read.ptr, view.data() + view.size());
        EXPECT_EQ(frequencyOf(text), expected);
    }
    for (const char* text : {"", ".", "1.2.3", "-1", "+1", "1e3", " 1", "1 ", "14,025", "0x10", "1..2"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(frequencyOf(text), std::nullopt);
    }
}

} // namespace
} // namespace quillon::engine
