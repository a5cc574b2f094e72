// The ADIF 3 record: bands and frequencies, modes, the checked lists, short dates and times, folded text, the
// station's call signs and the lines read one by one.
#include "engine/Adif3Fields.h"
#include "engine/AsciiFolding.h"
#include "engine/LogReader.h"
#include "engine/RecordConverter.h"
#include "tests/support/StringSource.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

// One field's fragment, converted by `convert` from `input`.
template <typename Convert> std::string fragmentOf(Convert convert, const std::string& input)
{
    FieldText field;
    field.assign(input);
    AdifFragment fragment;
    convert(field, fragment);
    return std::string(fragment.view());
}

TEST(Adif3ConverterTest, BandsFromWavelengthsAndFrequencies)
{
    struct Case {
        const char* band;
        BandFormat format;
        const char* freq;
        const char* fragment;
    };
    const Case cases[] = {
        {"60", BandFormat::Meters, "", "<BAND:3>60M "},
        {"60m", BandFormat::Meters, "5.357", "<BAND:3>60M "},
        {"630M", BandFormat::Meters, "", "<BAND:4>630M "},
        {"4M", BandFormat::Meters, "70.2", "<BAND:2>4M "},
        {"23cm", BandFormat::Meters, "", "<BAND:4>23CM "},
        {"1.25", BandFormat::Meters, "", "<BAND:5>1.25M "},
        {"75", BandFormat::Meters, "3.8", "<BAND:3>80M "},   // the classic names stay
        {"70", BandFormat::Meters, "", "<BAND:4>70CM "},     // 70 is 70 cm, as in the classic table
        {"23", BandFormat::Meters, "", "<BAND:8>*BAD* 23 "}, // no 23 m band
        {"20", BandFormat::Meters, "7.025", "<BAND:33>*BAD* 20M (FREQ outside the band) "},
        {"20", BandFormat::Meters, "14.35", "<BAND:3>20M "}, // an edge belongs to its band
        {"20", BandFormat::Meters, "14.351", "<BAND:33>*BAD* 20M (FREQ outside the band) "},
        {"20", BandFormat::Meters, "14,025", "<BAND:3>20M "}, // FREQ that is no number is FREQ's own problem
        {"5.3", BandFormat::Mhz, "", "<BAND:3>60M "},
        {"0.4755", BandFormat::Mhz, "", "<BAND:4>630M "},
        {"70.2", BandFormat::Mhz, "", "<BAND:2>4M "},
        {"1296.2", BandFormat::Mhz, "", "<BAND:4>23CM "},
        {"3", BandFormat::Mhz, "", "<BAND:3>80M "}, // a whole MHz read by the classic table
        {"10", BandFormat::Mhz, "", "<BAND:3>30M "},
        {"3.2", BandFormat::Mhz, "", "<BAND:9>*BAD* 3.2 "}, // a fraction lies in no band
        {"", BandFormat::Mhz, "14.0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.band);
        const auto convert = [&](FieldText& band, AdifFragment& fragment) {
            convertAdif3Band(band, c.freq, c.format, fragment);
        };
        EXPECT_EQ(fragmentOf(convert, c.band), c.fragment);
    }
}

TEST(Adif3ConverterTest, ModesAndTheCheckedLists)
{
    using Convert = void (*)(FieldText&, AdifFragment&);
    struct Case {
        Convert convert;
        const char* input;
        const char* fragment;
    };
    const Case cases[] = {
        {convertAdif3Mode, "ft4", "<MODE:4>MFSK <SUBMODE:3>FT4 "},
        {convertAdif3Mode, "PSK31", "<MODE:3>PSK <SUBMODE:5>PSK31 "},
        {convertAdif3Mode, "USB", "<MODE:3>SSB <SUBMODE:3>USB "},
        {convertAdif3Mode, "JS8", "<MODE:4>MFSK <SUBMODE:3>JS8 "},
        {convertAdif3Mode, "BPSK31", "<MODE:3>PSK <SUBMODE:5>PSK31 "},
        {convertAdif3Mode, "olivia 8/250", "<MODE:6>OLIVIA <SUBMODE:12>OLIVIA 8/250 "},
        {convertAdif3Mode, " cw ", "<MODE:2>CW "},
        {convertAdif3Mode, "FT8", "<MODE:3>FT8 "},
        {convertAdif3Mode, "PACTOR", "<MODE:5>*BAD* PACTOR "},
        {convertAdif3Mode, " ", "<MODE:5>*BAD* (Missing) "},
        {convertAdif3Freq, "14.025", "<FREQ:6>14.025 "},
        {convertAdif3Freq, "14,025", "<FREQ:5>*BAD* 14,025 "},
        {convertAdif3Freq, "1.2.3", "<FREQ:5>*BAD* 1.2.3 "},
        {convertAdif3Dxcc, "291", "<DXCC:3>291 "},
        {convertAdif3Dxcc, "001", "<DXCC:1>1 "},
        {convertAdif3Dxcc, "0", "<DXCC:1>0 "},
        {convertAdif3Dxcc, "73", "<DXCC:5>*BAD* 73 "}, // never given out
        {convertAdif3Dxcc, "523", "<DXCC:5>*BAD* 523 "},
        {convertAdif3QslSent, "q", "<QSL_SENT:1>Q "},
        {convertAdif3QslSent, "V", "<QSL_SENT:5>*BAD* V "},
        {convertAdif3QslReceived, "v", "<QSL_RCVD:1>V "},
        {convertAdif3QslReceived, "X", "<QSL_RCVD:5>*BAD* X "},
        {convertAdif3Iota, "oc123", "<IOTA:6>OC-123 "},
        {convertAdif3Iota, "EU-005", "<IOTA:6>EU-005 "},
        {convertAdif3Iota, "XX-123", "<IOTA:5>*BAD* XX-123 "},
        {convertAdif3Iota, "NA-000", "<IOTA:5>*BAD* NA-000 "},
        {convertAdif3Iota, "E", "<IOTA:5>*BAD* E "},
        {convertAdif3Cqz, "05", "<CQZ:1>5 "},
        {convertAdif3Cqz, "40", "<CQZ:2>40 "},
        {convertAdif3Cqz, "41", "<CQZ:5>*BAD* 41 "},
        {convertAdif3Cqz, "0", "<CQZ:5>*BAD* 0 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(fragmentOf(c.convert, c.input), c.fragment);
    }
}

TEST(Adif3ConverterTest, ShortDatesAndTimesThatMeanOneThing)
{
    struct Case {
        const char* input;
        DateLayout layout;
        const char* widened; // as the field is left; the input itself where nothing fits
    };
    const Case dates[] = {
        {"7/12/95", DateLayout::MmDdYy, "07/12/95"},  {"7/4/96", DateLayout::MmDdYy, "07/04/96"},
        {"95-7-4", DateLayout::YyMmDd, "95-07-04"},   {"1.2.03", DateLayout::DdMmYy, "01.02.03"},
        {"7/12/5", DateLayout::MmDdYy, "7/12/5"},   // a one-digit year could be any decade
        {"7/12-95", DateLayout::MmDdYy, "7/12-95"}, // two separators
        {"712/95", DateLayout::MmDdYy, "712/95"},   // three digits in a piece
        {"07/12/95", DateLayout::MmDdYy, "07/12/95"},
    };
    for (const auto& c : dates) {
        SCOPED_TRACE(c.input);
        FieldText date;
        date.assign(c.input);
        widenShortDate(date, c.layout);
        EXPECT_EQ(date.view(), c.widened);
    }
    const std::pair<const char*, const char*> times[] = {
        {"9:05", "09:05"},  {"9:05:30", "09:05:30"}, {"905", "905"},
        {"19:05", "19:05"}, {"9055", "9055"},        {"9:5", "9:5"},
    };
    for (const auto& [input, widened] : times) {
        SCOPED_TRACE(input);
        FieldText time;
        time.assign(input);
        widenShortTime(time);
        EXPECT_EQ(time.view(), widened);
    }
}

TEST(Adif3ConverterTest, TextFoldedToPlainAscii)
{
    struct Case {
        std::string input;
        CodePage page;
        std::string folded;
    };
    const Case cases[] = {
        {"Jos\xE9 M\xFCller", CodePage::Latin1, "Jose Muller"},
        {"S\xF8ren \xC5se Gro\xDF", CodePage::Windows1252, "Soren Ase Gross"},
        {"M\x81ller Jos\x82 Gro\xE1", CodePage::Dos437, "Muller Jose Gross"},
        {"S\x9Bren", CodePage::Dos850, "Soren"},
        {"\x9F\xFC", CodePage::Dos437, "fn"},
        {"\xC6\x92", CodePage::Dos437, "f"}, // the florin sign folds in UTF-8 as in DOS 437
        {"\x93quoted\x94 \x96 \x85", CodePage::Windows1252, "\"quoted\" - ..."},
        {"Z\xC3\xBCrich \xC5\x81\xC3\xB3\x64\xC5\xBA", CodePage::Dos437, "Zurich Lodz"}, // valid UTF-8 wins
        {"\xE2\x82\xAC 5", CodePage::Latin1, "? 5"},                                     // a euro sign is no letter
        {"tab\there\x01", CodePage::Latin1, "tab here?"},
        {"\xC3", CodePage::Utf8, "A"}, // not UTF-8 after all: read as ISO-8859-1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folded);
        EXPECT_EQ(foldedToAscii(c.input, c.page), c.folded);
    }
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));        // an overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));    // a surrogate
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x93\xBB")); // a radio
}

// A record converted under ADIF 3 with a call sign: lengths counted after folding, the station's fields at the end.
TEST(Adif3ConverterTest, RecordLineWithStationAndFoldedName)
{
    const FixedFormats formats(DateLayout::MmDdYy, BandFormat::Meters);
    RecordConverter converter;
    converter.setOutput(AdifVersion::Adif3, {CodePage::Latin1, "n0qln", "n0opr"});
    ContactRecord record;
    const char* fields[] = {"DL1MU", "60", "5.357", "usb", "59", "59", "J\xFCrgen",  "",       "230",
                            "",      "",   "",      "",    "",   "14", "M\xFCnchen", "7/4/96", "9:05"};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        record.atInputPosition(i).assign(fields[i]);
    }
    EXPECT_EQ(converter.convert(record, formats), Destination::LogFile);
    EXPECT_EQ(converter.line(), "<QSO_DATE:8>19960704 <TIME_ON:4>0905 <CALL:5>DL1MU <BAND:3>60M <FREQ:5>5.357 "
                                "<MODE:3>SSB <SUBMODE:3>USB <RST_SENT:2>59 <RST_RCVD:2>59 <NAME:6>Jurgen <DXCC:3>230 "
                                "<CQZ:2>14 <QTH:7>Munchen <STATION_CALLSIGN:5>N0QLN <OPERATOR:5>N0OPR <EOR>");
    EXPECT_EQ(converter.foldedFields(), 2);
}

// Line by line, a short or long line is one odd line; blank fields after the 18th are dropped.
TEST(Adif3ConverterTest, LinesReadOneByOne)
{
    std::vector<std::string> full(18, "f");
    std::vector<std::string> shortLine(17, "s");
    std::vector<std::string> longLine(19, "l");
    const std::string input = tests::logLine(shortLine) + tests::logLine(full) + "a,b,c\r\n" +
                              tests::logLine(longLine) + tests::logLine(full).insert(35, ", ,") + "x";
    for (const std::size_t bufferSize : {std::size_t{8}, std::size_t{4096}}) {
        SCOPED_TRACE(bufferSize);
        tests::StringSource source(input, 7);
        LogReader reader(source, bufferSize);
        reader.setLineByLine(true);
        ContactRecord record;
        std::vector<std::pair<ReadResult, std::size_t>> results;
        while (!reader.atEnd()) {
            const ReadResult result = reader.readRecord(record);
            results.emplace_back(result, result == ReadResult::OddLine ? reader.oddLineFields().size() : 18);
        }
        const std::vector<std::pair<ReadResult, std::size_t>> expected = {
            {ReadResult::OddLine, 17}, {ReadResult::Complete, 18}, {ReadResult::OddLine, 3},
            {ReadResult::OddLine, 19}, {ReadResult::Complete, 18}, {ReadResult::OddLine, 1},
        };
        EXPECT_EQ(results, expected);
        EXPECT_TRUE(reader.oddLines().empty());
    }
}

} // namespace
} // namespace quillon::engine
