// The tag and plain rules, routing on the *BAD* marker, and whole records turned into lines.
#include "engine/RecordConverter.h"

#include "engine/AdifFragment.h"
#include "tests/support/AdifLineCheck.h"

#include <gtest/gtest.h>

namespace quillon::engine {
namespace {

class FixedFormats : public FormatSource
{
public:
    DateLayout dateLayout() const override { return layout; }
    BandFormat bandFormat() const override { return band; }
    DateLayout layout = DateLayout::YyMmDd;
    BandFormat band = BandFormat::Meters;
};

ContactRecord recordOf(const std::array<std::string, kFieldCount>& fields)
{
    ContactRecord record;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        record.atInputPosition(i) = fields[i];
    }
    return record;
}

const std::array<std::string, kFieldCount> kWorkedExample{
    "N0CALL", "20", "14.025", "SSB",    "59",      "57", "Bob",         "nice qso", "291",
    "y",      "n",  "ma",     "NA-123", "Hampden", "5",  "Springfield", "99-12-31", "1234"};

TEST(RecordConverterTest, TagAndPlainRules)
{
    struct Case {
        std::string value;
        std::string plainFragment;
        std::string fieldAfter;
    };
    const Case cases[] = {
        {"14.025", "<FREQ:6>14.025 ", "14.025"},
        {" nice qso ", "<FREQ:8>nice qso ", "nice qso"},
        {"", "", ""},
        {"   ", "", ""},
        {"a<b>:c", "<FREQ:6>a<b>:c ", "a<b>:c"},
        {"J\xc3\xbcrgen", "<FREQ:7>J\xc3\xbcrgen ", "J\xc3\xbcrgen"},
        {std::string(1234, 'x'), "<FREQ:1234>" + std::string(1234, 'x') + " ", std::string(1234, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        FieldText field = c.value;
        AdifFragment fragment = "left over";
        applyPlainRule(field, "FREQ", fragment);
        EXPECT_EQ(fragment, c.plainFragment);
        EXPECT_EQ(field, c.fieldAfter);
    }
}

TEST(RecordConverterTest, RoutesOnTheExactMarkerAnywhereInTheLine)
{
    struct Case {
        std::string line;
        Destination expected;
    };
    const Case cases[] = {
        {"<CALL:2>K1 <EOR>", Destination::LogFile},           {"*BAD*<EOR>", Destination::BadFile},
        {"<COMMENT:9>was *BAD* <EOR>", Destination::BadFile}, {"<COMMENT:9>was *bad* <EOR>", Destination::LogFile},
        {"<COMMENT:5>*BAD <EOR>", Destination::LogFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(destinationOf(c.line), c.expected);
    }
}

TEST(RecordConverterTest, AllBlankRecordCarriesOnlyTheMissingMarkers)
{
    ContactRecord record;
    RecordConverter converter;
    EXPECT_EQ(converter.convert(record, FixedFormats{}), Destination::BadFile);
    EXPECT_EQ(converter.line(), "<QSO_DATE:5>*BAD*(Missing) <TIME_ON:5>*BAD* (Missing) <CALL:5>*BAD* (Missing) "
                                "<MODE:5>*BAD* (Missing) <EOR>");
}

TEST(RecordConverterTest, NothingCarriesOverToTheNextRecord)
{
    RecordConverter converter;
    ContactRecord full = recordOf(kWorkedExample);
    converter.convert(full, FixedFormats{});

    auto sparse = kWorkedExample;
    for (std::size_t i = 4; i < 16; ++i) {
        sparse[i].clear();
    }
    ContactRecord record = recordOf(sparse);
    converter.convert(record, FixedFormats{});
    EXPECT_EQ(converter.line(),
              "<QSO_DATE:8>19991231 <TIME_ON:4>1234 <CALL:6>N0CALL <BAND:3>20M <FREQ:6>14.025 <MODE:3>SSB <EOR>");
}

} // namespace
} // namespace quillon::engine
