// Reading back the bad contacts: the lines, fields and reasons of a crafted log, and agreement with the golden
// bad.adi files.
#include "run/BadContacts.h"

#include "engine/RecordConverter.h"
#include "run/SystemFileSystem.h"
#include "tests/support/TestFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace quillon::run {
namespace {

using engine::BandFormat;
using engine::DateLayout;
using engine::Field;

const std::string kGood =
    "N0CALL,20,14.025,SSB,59,57,Bob,nice qso,291,y,n,ma,NA-123,Hampden,5,Springfield,99-12-31,1234";
const std::string kBadDate =
    "K1ABC,40,7.030,CW,599,579,\"Smith, J\",first,291,y,y,ct,,Hartford,5,Newington,01-13-01,0015";

TEST(BadContactsTest, ListsBadContactsAndOddLinesWithTheirReasons)
{
    tests::TempFolder folder;
    const std::string seventeen = kGood.substr(0, kGood.rfind(','));
    tests::writeFile(folder.file("log.asc"), kGood + "\r\n" + kBadDate + "\r\n\r\n" + seventeen + "\r\n" + kGood +
                                                 "\r\n" + kGood + ",extra\r\n" + kGood);
    auto files = makeSystemFileSystem();
    const BadContactList list =
        findBadContacts(*files, folder.file("log.asc"), {DateLayout::YyMmDd, BandFormat::Meters});
    EXPECT_EQ(list.failure, "");
    EXPECT_EQ(list.snapshot, snapshotOf(tests::readFile(folder.file("log.asc"))));
    ASSERT_EQ(list.contacts.size(), 4U);

    const BadContact& date = list.contacts[0];
    EXPECT_EQ(date.line, 2);
    EXPECT_TRUE(date.wholeContact);
    EXPECT_EQ(date.text, kBadDate);
    EXPECT_EQ(date.fields[static_cast<std::size_t>(Field::Name)], "Smith, J");
    ASSERT_EQ(date.problems.size(), 1U);
    EXPECT_EQ(date.problems[0].field, Field::Date);
    EXPECT_EQ(date.problems[0].reason, "no month 13 in YY-MM-DD");

    EXPECT_EQ(list.contacts[1].line, 4);
    EXPECT_FALSE(list.contacts[1].wholeContact);
    EXPECT_EQ(list.contacts[1].fieldCount, 17U);
    EXPECT_EQ(list.contacts[1].problems[0].reason, "line 4 holds 17 fields; the contacts after it are shifted");
    EXPECT_EQ(list.contacts[2].line, 5);
    EXPECT_FALSE(list.contacts[2].wholeContact);
    EXPECT_EQ(list.contacts[2].fieldCount, 18U);
    EXPECT_EQ(list.contacts[3].line, 6);
    EXPECT_EQ(list.contacts[3].fieldCount, 19U);
}

// Untouched fields keep their blanks and quotes; a changed one gets quotes when it needs them.
TEST(BadContactsTest, WritesAMendedLineKeepingWhatWasNotChanged)
{
    BadContact contact;
    contact.text = " K1ABC , 40 ,7.030,CW,599,579,\"Smith, J\"x,first,291,y,y,ct,,Hartford,5,Newington,01-13-01,0015";
    contact.fields = contactFieldsOf(contact.text);
    engine::ContactFields values = contact.fields;
    values[static_cast<std::size_t>(Field::Date)] = "01-12-01";
    values[static_cast<std::size_t>(Field::Qth)] = "Newington, CT";
    Field unwritable = Field::Call;
    EXPECT_EQ(
        mendedLine(contact, values, unwritable),
        " K1ABC , 40 ,7.030,CW,599,579,\"Smith, J\"x,first,291,y,y,ct,,Hartford,5,\"Newington, CT\",01-12-01,0015");
    values[static_cast<std::size_t>(Field::Comment)] = "a \"b\", c";
    EXPECT_EQ(mendedLine(contact, values, unwritable), std::nullopt);
    EXPECT_EQ(unwritable, Field::Comment);
}

// ADIF 3 reads a contact a line (the golden ADIF 3 case lists its bad lines with --why): a comma at a line's end is
// no field, and stays when the line is mended.
TEST(BadContactsTest, KeepsTheCommaAtTheEndOfAnAdif3Line)
{
    tests::TempFolder folder;
    std::string pactor = kGood;
    pactor.replace(pactor.find("SSB"), 3, "PACTOR9");
    tests::writeFile(folder.file("log.asc"), pactor + ", ,\r\n");
    auto files = makeSystemFileSystem();
    const engine::CheckChoices adif3{DateLayout::YyMmDd, BandFormat::Meters, engine::AdifVersion::Adif3};
    const BadContactList list = findBadContacts(*files, folder.file("log.asc"), adif3);
    ASSERT_EQ(list.contacts.size(), 1U);
    ASSERT_TRUE(list.contacts[0].wholeContact);
    engine::ContactFields values = list.contacts[0].fields;
    values[static_cast<std::size_t>(Field::Mode)] = "PKT";
    Field unwritable = Field::Call;
    EXPECT_EQ(mendedLine(list.contacts[0], values, unwritable),
              kGood.substr(0, kGood.find("SSB")) + "PKT" + kGood.substr(kGood.find("SSB") + 3) + ", ,");
}

TEST(BadContactsTest, SaysWhenTheLogCannotBeRead)
{
    tests::TempFolder folder;
    auto files = makeSystemFileSystem();
    const BadContactList list =
        findBadContacts(*files, folder.file("log.asc"), {DateLayout::YyMmDd, BandFormat::Meters});
    EXPECT_TRUE(list.failure.starts_with("The file: " + folder.file("log.asc") + " could not be read."));
    EXPECT_TRUE(list.contacts.empty());
}

// Every golden case converted with a chosen layout: the record lines of its bad.adi are, in order, the lines of
// the contacts listed here converted once more.
TEST(BadContactsTest, AgreesWithTheGoldenBadFiles)
{
    const std::regex argsPattern(R"(--date (\S+)( --band (meters|mhz))?\s*)");
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLON_TEST_DATA_DIR)) {
        std::smatch match;
        const std::string args = tests::readFile(entry.path() / "args");
        const auto layout =
            engine::dateLayoutFromName(std::regex_match(args, match, argsPattern) ? match[1].str() : "");
        if (!layout || !std::filesystem::exists(entry.path() / "bad.adi")) {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        const BandFormat format = match[3] == "mhz" ? BandFormat::Mhz : BandFormat::Meters;
        auto files = makeSystemFileSystem();
        const BadContactList list = findBadContacts(*files, (entry.path() / "log.asc").string(), {*layout, format});
        std::vector<std::string> expected;
        for (const std::string& line : tests::crlfLines(tests::readFile(entry.path() / "bad.adi"))) {
            if (line.ends_with("<EOR>")) {
                expected.push_back(line);
            }
        }
        std::vector<std::string> listed;
        for (const BadContact& contact : list.contacts) {
            EXPECT_FALSE(contact.problems.empty()) << contact.line;
            if (contact.wholeContact) {
                engine::ContactRecord record;
                for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
                    record.atInputPosition(i).assign(contact.fields[i]);
                }
                engine::RecordConverter converter;
                converter.convert(record, engine::FixedFormats(*layout, format));
                listed.emplace_back(converter.line());
            }
        }
        if (list.contacts.size() == listed.size()) { // no shifted lines: one listed contact per record line
            EXPECT_EQ(listed, expected);
        } else {
            EXPECT_LT(listed.size(), expected.size());
        }
        ++cases;
    }
    EXPECT_GE(cases, 8);
}

} // namespace
} // namespace quillon::run
