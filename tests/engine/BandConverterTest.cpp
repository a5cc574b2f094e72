// BAND: the meters and MHz tables, the 70 cm range and the problem fragment.
#include "engine/BandConverter.h"

#include "tests/support/AdifLineCheck.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::engine {
namespace {

struct BandCase {
    BandFormat format;
    std::string band;
    std::string fragment;
    std::string writtenBack; // BAND after the conversion
};

constexpr auto kMeters = BandFormat::Meters;
constexpr auto kMhz = BandFormat::Mhz;

const BandCase kBandCases[] = {
    // Meters: every row of the table, in either spelling, upper-cased.
    {kMeters, "6", "<BAND:2>6M ", "6"},
    {kMeters, "6m", "<BAND:2>6M ", "6M"},
    {kMeters, "10", "<BAND:3>10M ", "10"},
    {kMeters, "12M", "<BAND:3>12M ", "12M"},
    {kMeters, "15", "<BAND:3>15M ", "15"},
    {kMeters, "17m", "<BAND:3>17M ", "17M"},
    {kMeters, "20m", "<BAND:3>20M ", "20M"},
    {kMeters, "30", "<BAND:3>30M ", "30"},
    {kMeters, "40M", "<BAND:3>40M ", "40M"},
    {kMeters, "80", "<BAND:3>80M ", "80"},
    {kMeters, "75", "<BAND:3>80M ", "75"},
    {kMeters, "75m", "<BAND:3>80M ", "75M"},
    {kMeters, "160", "<BAND:4>160M ", "160"},
    {kMeters, "160m", "<BAND:4>160M ", "160M"},
    {kMeters, "2", "<BAND:2>2M ", "2"},
    {kMeters, "70", "<BAND:4>70CM ", "70"},
    {kMeters, "70cm", "<BAND:4>70CM ", "70CM"},
    {kMeters, "  20  ", "<BAND:3>20M ", "20"},
    // Meters problems: the data counts "*BAD* ", the value and a space.
    {kMeters, "60", "<BAND:9>*BAD* 60  ", "60"},
    {kMeters, "20 m", "<BAND:11>*BAD* 20 M  ", "20 M"},
    {kMeters, "70m", "<BAND:10>*BAD* 70M  ", "70M"},
    {kMeters, "14.025", "<BAND:13>*BAD* 14.025  ", "14.025"},
    {kMeters, std::string("6\0", 2), std::string("<BAND:9>*BAD* 6\0  ", 18), std::string("6\0", 2)},
    // MHz: cut at the first decimal point, then looked up.
    {kMhz, "14.025", "<BAND:3>20M ", "14"},
    {kMhz, "14", "<BAND:3>20M ", "14"},
    {kMhz, "3.5", "<BAND:3>80M ", "3"},
    {kMhz, "1.8", "<BAND:4>160M ", "1"},
    {kMhz, "7.074", "<BAND:3>40M ", "7"},
    {kMhz, "10.1", "<BAND:3>30M ", "10"},
    {kMhz, "18.1", "<BAND:3>17M ", "18"},
    {kMhz, "21.2", "<BAND:3>15M ", "21"},
    {kMhz, "24.9", "<BAND:3>12M ", "24"},
    {kMhz, "28.4", "<BAND:3>10M ", "28"},
    {kMhz, "29.6", "<BAND:3>10M ", "29"},
    {kMhz, "50.1", "<BAND:2>6M ", "50"},
    {kMhz, "53", "<BAND:2>6M ", "53"},
    {kMhz, "144.3", "<BAND:2>2M ", "144"},
    {kMhz, "146.52", "<BAND:2>2M ", "146"},
    {kMhz, "147.5", "<BAND:2>2M ", "147"},
    {kMhz, " 432.1.2 ", "<BAND:4>70CM ", "432"},
    // MHz 70 cm: whole MHz from 420 to 450, compared as numbers.
    {kMhz, "420", "<BAND:4>70CM ", "420"},
    {kMhz, "450.9", "<BAND:4>70CM ", "450"},
    {kMhz, "0432", "<BAND:4>70CM ", "0432"},
    {kMhz, "419.9", "<BAND:10>*BAD* 419  ", "419"},
    {kMhz, "451", "<BAND:10>*BAD* 451  ", "451"},
    {kMhz, "44", "<BAND:9>*BAD* 44  ", "44"},
    {kMhz, "45", "<BAND:9>*BAD* 45  ", "45"},
    {kMhz, "4205", "<BAND:11>*BAD* 4205  ", "4205"},
    {kMhz, "+432", "<BAND:11>*BAD* +432  ", "+432"},
    {kMhz, "000", "<BAND:10>*BAD* 000  ", "000"},
    // MHz problems; the exact rows take no leading zero.
    {kMhz, "5.3", "<BAND:8>*BAD* 5  ", "5"},
    {kMhz, ".5", "<BAND:7>*BAD*   ", ""},
    {kMhz, "20m", "<BAND:10>*BAD* 20m  ", "20m"},
    {kMhz, "014", "<BAND:10>*BAD* 014  ", "014"},
    {kMhz, "54", "<BAND:9>*BAD* 54  ", "54"},
    {kMhz, "148", "<BAND:10>*BAD* 148  ", "148"},
    // A missing band is not a problem.
    {kMeters, "", "", ""},
    {kMeters, "   ", "", ""},
    {kMhz, " ", "", ""},
};

std::string convertedBand(FieldText& band, BandFormat format)
{
    AdifFragment fragment = "left over from the last record";
    convertBand(band, format, fragment);
    return std::string(fragment.view());
}

TEST(BandConverterTest, Band)
{
    for (const auto& c : kBandCases) {
        SCOPED_TRACE("BAND [" + c.band + (c.format == kMeters ? "] in meters" : "] in MHz"));
        FieldText band = c.band;
        EXPECT_EQ(convertedBand(band, c.format), c.fragment);
        EXPECT_EQ(band, c.writtenBack);
    }
}

} // namespace
} // namespace quillon::engine
