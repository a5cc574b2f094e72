// CALL, MODE, DXCC, QSL_SENT, QSL_RCVD, STATE, IOTA and CNTY checks.
#include "engine/FieldChecks.h"

#include "tests/support/AdifLineCheck.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillon::engine {
namespace {

using tests::declaresItsDataLength;
using tests::hasHonestLength;

struct FieldCase {
    std::string input;
    std::string fragment;
    std::string writtenBack; // the field after the conversion
};

using Conversion = std::function<void(FieldText&, AdifFragment&)>;

// One field's table and the conversion it goes through.
struct FieldTable {
    const char* name;
    Conversion convert;
    std::vector<FieldCase> cases;
};

const std::vector<FieldTable>& fieldTables()
{
    static const std::vector<FieldTable> tables = {
        {"CALL",
         convertCall,
         {
             {"N0CALL", "<CALL:6>N0CALL ", "N0CALL"},
             {" n0call ", "<CALL:6>n0call ", "n0call"},
             {"", "<CALL:5>*BAD* (Missing) ", ""},
             {"   ", "<CALL:5>*BAD* (Missing) ", "   "},
         }},
        {"MODE",
         convertMode,
         {
             {"SSB", "<MODE:3>SSB ", "SSB"},
             {" cw ", "<MODE:2>cw ", "cw"},
             {"", "<MODE:5>*BAD* (Missing) ", ""},
             {"  ", "<MODE:5>*BAD* (Missing) ", "  "},
         }},
        {"DXCC",
         convertDxcc,
         {
             // Numbers, written as the user wrote them.
             {"291", "<DXCC:3>291 ", "291"},
             {" 291 ", "<DXCC:3>291 ", "291"},
             {"007", "<DXCC:3>007 ", "007"},
             {"-3", "<DXCC:2>-3 ", "-3"},
             {"+3", "<DXCC:2>+3 ", "+3"},
             {"1.5", "<DXCC:3>1.5 ", "1.5"},
             {".5", "<DXCC:2>.5 ", ".5"},
             {"1.", "<DXCC:2>1. ", "1."},
             {"-.5", "<DXCC:3>-.5 ", "-.5"},
             {"2e3", "<DXCC:3>2e3 ", "2e3"},
             {"1.5e-3", "<DXCC:6>1.5e-3 ", "1.5e-3"},
             // Not numbers.
             {"USA", "<DXCC:5>*BAD* USA ", "USA"},
             {"+", "<DXCC:5>*BAD* + ", "+"},
             {".", "<DXCC:5>*BAD* . ", "."},
             {"e5", "<DXCC:5>*BAD* e5 ", "e5"},
             {"1e", "<DXCC:5>*BAD* 1e ", "1e"},
             {"1e5.0", "<DXCC:5>*BAD* 1e5.0 ", "1e5.0"},
             {"1 2", "<DXCC:5>*BAD* 1 2 ", "1 2"},
             {"1,000", "<DXCC:5>*BAD* 1,000 ", "1,000"},
             {"$5", "<DXCC:5>*BAD* $5 ", "$5"},
             {"0x1F", "<DXCC:5>*BAD* 0x1F ", "0x1F"},
             {"291a", "<DXCC:5>*BAD* 291a ", "291a"},
             {"\t291", "<DXCC:5>*BAD* \t291 ", "\t291"},
             {"inf", "<DXCC:5>*BAD* inf ", "inf"},
             // Missing is no problem.
             {"", "", ""},
             {"  ", "", "  "},
         }},
        {"QSL_SENT",
         [](FieldText& qsl, AdifFragment& fragment) { convertQsl(qsl, "QSL_SENT", fragment); },
         {
             {"y", "<QSL_SENT:1>Y ", "Y"},
             {" yes ", "<QSL_SENT:3>YES ", "YES"},
             {"r\xe9", "<QSL_SENT:2>R\xe9 ", "R\xe9"},
         }},
        {"QSL_RCVD",
         [](FieldText& qsl, AdifFragment& fragment) { convertQsl(qsl, "QSL_RCVD", fragment); },
         {
             {"n", "<QSL_RCVD:1>N ", "N"},
             {" i ", "<QSL_RCVD:1>I ", "I"},
         }},
        {"STATE",
         convertState,
         {
             {"ma", "<STATE:2>MA ", "MA"},
             {" ma ", "<STATE:2>MA ", "MA"},
             {"Mass", "<STATE:5>*BAD* MASS ", "MASS"},
             {" x ", "<STATE:5>*BAD* X ", "X"},
             {"m a", "<STATE:5>*BAD* M A ", "M A"},
             // A blank STATE keeps its blanks, for CNTY to read.
             {"", "", ""},
             {"  ", "", "  "},
             {" ", "", " "},
         }},
        {"IOTA",
         convertIota,
         {
             {"OC-123", "<IOTA:6>OC-123 ", "OC-123"},
             {"OC123", "<IOTA:6>OC-123 ", "OC123"},
             {" oc123 ", "<IOTA:6>oc-123 ", "oc123"},
             {"ABCDEF", "<IOTA:6>ABCDEF ", "ABCDEF"},
             {"OC12", "<IOTA:5>*BAD* OC12 ", "OC12"},
             {"OC-1234", "<IOTA:5>*BAD* OC-1234 ", "OC-1234"},
             {"", "", ""},
             {"   ", "", ""},
         }},
        {"CNTY with STATE MA",
         [](FieldText& county, AdifFragment& fragment) { convertCounty(county, "MA", fragment); },
         {
             {"Hampden", "<CNTY:10>MA,Hampden ", "Hampden"},
             {" St. Louis City ", "<CNTY:17>MA,St. Louis City ", "St. Louis City"},
             {"  ", "", "  "},
         }},
    };
    return tables;
}

// The QSL checks have no missing marker: a blank QSL gives no fragment.
TEST(FieldChecksTest, BlankQslGivesNoFragment)
{
    for (const AdifTag& tag : {AdifTag("QSL_SENT"), AdifTag("QSL_RCVD")}) {
        for (const char* input : {"", "   "}) {
            SCOPED_TRACE(std::string(tag.opening()) + " [" + input + "]");
            FieldText qsl = input;
            AdifFragment fragment = "left over";
            convertQsl(qsl, tag, fragment);
            EXPECT_EQ(fragment, "");
        }
    }
}

TEST(FieldChecksTest, EachFieldTable)
{
    for (const auto& table : fieldTables()) {
        for (const auto& c : table.cases) {
            SCOPED_TRACE(std::string(table.name) + " [" + c.input + "]");
            FieldText field = c.input;
            AdifFragment fragment = "left over from the last record";
            table.convert(field, fragment);
            EXPECT_EQ(fragment, c.fragment);
            EXPECT_EQ(field, c.writtenBack);
        }
    }
}

// CNTY reads STATE as the STATE conversion left it, so the two run in order here as they do for a record.
TEST(FieldChecksTest, CountyFollowsConvertedState)
{
    struct Case {
        std::string state;
        std::string county;
        std::string stateFragment;
        std::string countyFragment;
    };
    const Case cases[] = {
        {"ma", "Hampden", "<STATE:2>MA ", "<CNTY:10>MA,Hampden "},
        {"", "Hampden", "", "<CNTY:5>*BAD* (Bad STATE) "},
        {"  ", "Hampden", "", "<CNTY:10>  ,Hampden "},
        {" ", "Hampden", "", "<CNTY:5>*BAD* (Bad STATE) "},
        {"Mass", "Hampden", "<STATE:5>*BAD* MASS ", "<CNTY:5>*BAD* (Bad STATE) "},
        {"Mass", "  ", "<STATE:5>*BAD* MASS ", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("STATE [" + c.state + "] CNTY [" + c.county + "]");
        FieldText state = c.state;
        FieldText county = c.county;
        AdifFragment stateFragment = "left over";
        AdifFragment countyFragment = "left over";
        convertState(state, stateFragment);
        convertCounty(county, state, countyFragment);
        EXPECT_EQ(stateFragment, c.stateFragment);
        EXPECT_EQ(countyFragment, c.countyFragment);
    }
}

TEST(FieldChecksTest, EveryTaggedFragmentDeclaresItsDataLength)
{
    for (const auto& table : fieldTables()) {
        for (const auto& c : table.cases) {
            FieldText field = c.input;
            AdifFragment fragment;
            table.convert(field, fragment);
            if (hasHonestLength(fragment)) {
                EXPECT_TRUE(declaresItsDataLength(fragment)) << table.name;
            }
        }
    }
}

} // namespace
} // namespace quillon::engine
