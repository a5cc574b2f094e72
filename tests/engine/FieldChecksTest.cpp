// CALL, MODE, DXCC, QSL_SENT, QSL_RCVD, STATE, IOTA and CNTY checks.
#include "engine/FieldChecks.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillon::engine {
namespace {

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
             // Whole numbers, written as the user wrote them.
             {"291", "<DXCC:3>291 ", "291"},
             {" 291 ", "<DXCC:3>291 ", "291"},
             {"007", "<DXCC:3>007 ", "007"},
             {"0", "<DXCC:1>0 ", "0"},
             // Anything else, however much it looks like a number.
             {"2.5", "<DXCC:5>*BAD* 2.5 ", "2.5"},
             {"-1", "<DXCC:5>*BAD* -1 ", "-1"},
             {"+5", "<DXCC:5>*BAD* +5 ", "+5"},
             {"1e3", "<DXCC:5>*BAD* 1e3 ", "1e3"},
             {".5", "<DXCC:5>*BAD* .5 ", ".5"},
             {"USA", "<DXCC:5>*BAD* USA ", "USA"},
             {"1 2", "<DXCC:5>*BAD* 1 2 ", "1 2"},
             {"291a", "<DXCC:5>*BAD* 291a ", "291a"},
             {"\t291", "<DXCC:5>*BAD* \t291 ", "\t291"},
             {"\xd9\xa3", "<DXCC:5>*BAD* \xd9\xa3 ", "\xd9\xa3"},
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
             {"   ", "", ""},
         }},
        {"QSL_RCVD",
         [](FieldText& qsl, AdifFragment& fragment) { convertQsl(qsl, "QSL_RCVD", fragment); },
         {
             {"n", "<QSL_RCVD:1>N ", "N"},
             {" i ", "<QSL_RCVD:1>I ", "I"},
             {"", "", ""},
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
             {"NA-046", "<IOTA:6>NA-046 ", "NA-046"},
             {"OC123", "<IOTA:6>OC-123 ", "OC123"},
             {" oc123 ", "<IOTA:6>oc-123 ", "oc123"},
             // Five or six characters of the wrong kind: the dash is neither doubled nor put into plain text.
             {"OC-12", "<IOTA:5>*BAD* OC-12 ", "OC-12"},
             {"OC 123", "<IOTA:5>*BAD* OC 123 ", "OC 123"},
             {"AB CD", "<IOTA:5>*BAD* AB CD ", "AB CD"},
             {"AB-CDE", "<IOTA:5>*BAD* AB-CDE ", "AB-CDE"},
             {"ABCDEF", "<IOTA:5>*BAD* ABCDEF ", "ABCDEF"},
             {"12345", "<IOTA:5>*BAD* 12345 ", "12345"},
             {"OC12A", "<IOTA:5>*BAD* OC12A ", "OC12A"},
             {"O1123", "<IOTA:5>*BAD* O1123 ", "O1123"},
             {"OC_123", "<IOTA:5>*BAD* OC_123 ", "OC_123"},
             {"\xc9"
              "C123",
              "<IOTA:5>*BAD* \xc9"
              "C123 ",
              "\xc9"
              "C123"},
             // Other lengths.
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
        {"  ", "Hampden", "", "<CNTY:5>*BAD* (Bad STATE) "},
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

} // namespace
} // namespace quillon::engine
