// The reasons of failed fields: each rule with a value that breaks it and its words, and agreement with the
// converter over every golden log under every layout and band format.
#include "engine/FieldReasons.h"

#include "engine/RecordConverter.h"
#include "tests/support/ReadAllRecords.h"
#include "tests/support/StringSource.h"
#include "tests/support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace quillon::engine {
namespace {

using L = DateLayout;
using B = BandFormat;

struct ReasonCase {
    Field field;
    std::string_view value;
    DateLayout layout;
    BandFormat format;
    std::string_view reason; // empty: the value passes
    std::string_view state = "MA";
    AdifVersion output = AdifVersion::Classic;
    std::string_view freq = "";
};

constexpr AdifVersion k3 = AdifVersion::Adif3;
constexpr AdifVersion kClassic = AdifVersion::Classic;

constexpr ReasonCase kReasonCases[] = {
    {Field::Date, "  ", L::YyMmDd, B::Meters, "DATE is missing"},
    {Field::Date, "99-1-31", L::YyMmDd, B::Meters, "99-1-31 is not a date in YY-MM-DD: two digits each, as 99-12-31"},
    {Field::Date, "12/31/1999", L::MmDdYy, B::Meters,
     "12/31/1999 is not a date in MM-DD-YY: two digits each, as 12-31-99"},
    {Field::Date, "1x-03-01", L::YyMmDd, B::Meters, "1x is not two digits in YY-MM-DD"},
    {Field::Date, "13-01-99", L::MmDdYy, B::Meters, "no month 13 in MM-DD-YY"},
    {Field::Date, "99-31-00", L::YyDdMm, B::Meters, "no month 00 in YY-DD-MM"},
    {Field::Date, "31-04-99", L::DdMmYy, B::Meters, "April has no day 31"},
    {Field::Date, "99-01-00", L::YyMmDd, B::Meters, "January has no day 00"},
    {Field::Date, "29.02.99", L::DdMmYy, B::Meters, "February 1999 has no day 29"},
    {Field::Date, "29.02.00", L::DdMmYy, B::Meters, ""},
    {Field::Date, " 12-31-99 ", L::MmDdYy, B::Meters, ""},
    {Field::Time, "", L::YyMmDd, B::Meters, "TIME is missing"},
    {Field::Time, "123456789", L::YyMmDd, B::Meters, "123456789 is not a time: write HHMM, HH:MM, HHMMSS or HH:MM:SS"},
    {Field::Time, "12a4", L::YyMmDd, B::Meters, "12a4 is not a time: write HHMM, HH:MM, HHMMSS or HH:MM:SS"},
    {Field::Time, "12345", L::YyMmDd, B::Meters,
     "12345 has a digit where the separator belongs: write HHMM, HH:MM, HHMMSS or HH:MM:SS"},
    {Field::Time, "2400", L::YyMmDd, B::Meters, "no hour 24; hours are 00 to 23"},
    {Field::Time, "960", L::YyMmDd, B::Meters, "no minute 60; minutes are 00 to 59"},
    {Field::Time, "12:30:61", L::YyMmDd, B::Meters, "no second 61; seconds are 00 to 59"},
    {Field::Time, "9:30", L::YyMmDd, B::Meters, "9:30 is not a time: write HHMM, HH:MM, HHMMSS or HH:MM:SS"},
    {Field::Time, "930", L::YyMmDd, B::Meters, ""},
    {Field::Call, " ", L::YyMmDd, B::Meters, "CALL is missing"},
    {Field::Mode, "", L::YyMmDd, B::Meters, "MODE is missing"},
    {Field::Band, "20X", L::YyMmDd, B::Meters, "20X is not a band; bands are 160, 80, \u2026 or 14.025 as MHz"},
    {Field::Band, "14.025", L::YyMmDd, B::Meters,
     "14.025 is not a band; bands are 160, 80, \u2026 or 14.025 as MHz (as MHz it is 20M)"},
    {Field::Band, "60", L::YyMmDd, B::Mhz,
     "60 is not a band in MHz; bands are 1.8, 3.5, 7, \u2026 or 432 MHz, or 20 as meters"},
    {Field::Band, "20m", L::YyMmDd, B::Mhz,
     "20m is not a band in MHz; bands are 1.8, 3.5, 7, \u2026 or 432 MHz, or 20 as meters (as meters it is 20M)"},
    {Field::Band, "20m", L::YyMmDd, B::Meters, ""},
    {Field::Band, "", L::YyMmDd, B::Mhz, ""},
    {Field::Dxcc, "USA", L::YyMmDd, B::Meters, "DXCC is a number, as 291, not USA"},
    {Field::Dxcc, "-1", L::YyMmDd, B::Meters, "DXCC is a number, as 291, not -1"},
    {Field::Dxcc, "291 ", L::YyMmDd, B::Meters, ""},
    {Field::State, "MASS", L::YyMmDd, B::Meters, "STATE is two characters, as MA, not MASS"},
    {Field::State, "  ", L::YyMmDd, B::Meters, ""},
    {Field::Iota, "OC12", L::YyMmDd, B::Meters, "IOTA is two letters and three digits, as NA-123 or NA123, not OC12"},
    {Field::Iota, "oc123", L::YyMmDd, B::Meters, ""},
    {Field::Cnty, "Hampden", L::YyMmDd, B::Meters, "a county needs a STATE of two characters, not MASS", "MASS"},
    {Field::Cnty, "Hampden", L::YyMmDd, B::Meters, "a county needs a STATE of two characters beside it", "  "},
    {Field::Cnty, "Hampden", L::YyMmDd, B::Meters, "", "ma "},
    {Field::Comment, "see *BAD* rig", L::YyMmDd, B::Meters,
     "COMMENT holds *BAD*, which always sends a contact to bad.adi"},
    {Field::QslSent, "*BAD*", L::YyMmDd, B::Meters, "QSL_SENT holds *BAD*, which always sends a contact to bad.adi"},
    {Field::Freq, "anything", L::YyMmDd, B::Meters, ""},
    // ADIF 3 reads the short dates and times, and its own lists; what it passes, the golden logs show.
    {Field::Date, "13/7/95", L::MmDdYy, B::Meters, "no month 13 in MM-DD-YY", "MA", k3},
    {Field::Time, "9:61", L::YyMmDd, B::Meters, "no minute 61; minutes are 00 to 59", "MA", k3},
    {Field::Band, "20m", L::YyMmDd, B::Meters, "FREQ 7.150 is outside the 20M band (14 to 14.35 MHz)", "MA", k3,
     "7.150"},
    {Field::Band, "20X", L::YyMmDd, B::Meters,
     "20X is not an ADIF band; bands are 160, 80, 60, \u2026 23CM or 14.025 as MHz", "MA", k3},
    {Field::Band, "20", L::YyMmDd, B::Mhz,
     "20 is not an ADIF band in MHz; bands are 1.8, 3.5, 5.3, \u2026 or 20 as meters (as meters it is 20M)", "MA", k3},
    {Field::Freq, "14,025", L::YyMmDd, B::Meters, "FREQ is a number in MHz, as 14.025, not 14,025", "MA", k3},
    {Field::Mode, "FT9", L::YyMmDd, B::Meters, "FT9 is not an ADIF mode or submode, as SSB, CW, FT8 or PSK31", "MA",
     k3},
    {Field::Dxcc, "999", L::YyMmDd, B::Meters, "DXCC is the number of an entity on the DXCC list, as 291, not 999",
     "MA", k3},
    {Field::QslSent, "V", L::YyMmDd, B::Meters, "QSL_SENT is Y, N, R, Q or I, not V", "MA", k3},
    {Field::QslRcvd, "Q", L::YyMmDd, B::Meters, "QSL_RCVD is Y, N, R, I or V, not Q", "MA", k3},
    {Field::Iota, "NA-000", L::YyMmDd, B::Meters, "IOTA is a continent, a dash and three digits, as NA-123, not NA-000",
     "MA", k3},
    {Field::Cqz, "41", L::YyMmDd, B::Meters, "CQZ is a zone from 1 to 40, not 41", "MA", k3},
    {Field::Name, "Jos\xE9", L::YyMmDd, B::Meters, "", "MA", k3},
};

TEST(FieldReasonsTest, EachRuleHasItsWords)
{
    for (const ReasonCase& c : kReasonCases) {
        SCOPED_TRACE(std::string(fieldLabel(c.field)) + " '" + std::string(c.value) + "'");
        ContactFields contact;
        contact[static_cast<std::size_t>(Field::State)] = c.state;
        contact[static_cast<std::size_t>(Field::Freq)] = c.freq;
        contact[static_cast<std::size_t>(c.field)] = c.value;
        EXPECT_EQ(fieldProblem(c.field, contact, {c.layout, c.format, c.output, CodePage::Latin1}), c.reason);
    }
}

// Whether the converted line marks the fragment of `field`: the data its tag declares holds the marker.
bool isMarkedInLine(std::string_view line, Field field)
{
    static constexpr std::string_view kTags[kFieldCount] = {
        "CALL",     "BAND",     "FREQ",  "MODE", "RST_SENT", "RST_RCVD", "NAME", "COMMENT",  "DXCC",
        "QSL_SENT", "QSL_RCVD", "STATE", "IOTA", "CNTY",     "CQZ",      "QTH",  "QSO_DATE", "TIME_ON"};
    const std::string opening = "<" + std::string(kTags[static_cast<std::size_t>(field)]) + ":";
    const std::size_t at = line.find(opening);
    if (at == std::string_view::npos) {
        return false;
    }
    const std::size_t close = line.find('>', at);
    const std::size_t length = std::stoul(std::string(line.substr(at + opening.size(), close - at - opening.size())));
    return line.substr(close + 1, length).find(kBadMarker) != std::string_view::npos;
}

// Each layout with each band format, in both outputs.
constexpr std::tuple<DateLayout, BandFormat, AdifVersion> kEveryChoice[] = {
    {L::YyMmDd, B::Meters, k3},       {L::MmDdYy, B::Mhz, k3},          {L::YyDdMm, B::Meters, k3},
    {L::DdMmYy, B::Mhz, k3},          {L::YyMmDd, B::Mhz, k3},          {L::MmDdYy, B::Meters, k3},
    {L::YyDdMm, B::Mhz, k3},          {L::DdMmYy, B::Meters, k3},       {L::YyMmDd, B::Meters, kClassic},
    {L::MmDdYy, B::Mhz, kClassic},    {L::YyDdMm, B::Meters, kClassic}, {L::DdMmYy, B::Mhz, kClassic},
    {L::YyMmDd, B::Mhz, kClassic},    {L::MmDdYy, B::Meters, kClassic}, {L::YyDdMm, B::Mhz, kClassic},
    {L::DdMmYy, B::Meters, kClassic},
};

TEST(FieldReasonsTest, AgreesWithTheConverterOverEveryGoldenLog)
{
    std::size_t marked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLON_TEST_DATA_DIR)) {
        for (const auto& name : {"log.asc", "LOG.ASC", "Log.Asc"}) {
            if (!std::filesystem::exists(entry.path() / name)) {
                continue;
            }
            tests::StringSource source(tests::readFile(entry.path() / name));
            const tests::ReadOutcome log = tests::readAllRecords(source, 1 << 16);
            for (const auto& [layout, format, output] : kEveryChoice) {
                for (const auto& values : log.records) {
                    ContactFields fields;
                    ContactRecord record;
                    for (std::size_t i = 0; i < kFieldCount; ++i) {
                        fields[i] = values[i];
                        record.atInputPosition(i).assign(values[i]);
                    }
                    RecordConverter converter;
                    converter.setOutput(output, {CodePage::Dos437, {}, {}});
                    const Destination destination = converter.convert(record, FixedFormats(layout, format));
                    const auto problems = contactProblems(fields, {layout, format, output, CodePage::Dos437});
                    SCOPED_TRACE(entry.path().filename().string() + ": " + std::string(converter.line()));
                    EXPECT_EQ(destination == Destination::BadFile, !problems.empty());
                    std::size_t next = 0;
                    for (std::size_t i = 0; i < kFieldCount; ++i) {
                        const bool inLine = isMarkedInLine(converter.line(), static_cast<Field>(i));
                        const bool reasoned = next < problems.size() && problems[next].field == Field(i);
                        EXPECT_EQ(inLine, reasoned) << fieldLabel(Field(i));
                        next += reasoned ? 1 : 0;
                        marked += inLine ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_GT(marked, 100U);
}

} // namespace
} // namespace quillon::engine
