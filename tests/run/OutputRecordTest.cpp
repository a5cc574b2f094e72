// The fingerprint of an output's bytes and the record that keeps it beside the outputs.
#include "run/OutputRecord.h"

#include "run/SystemFileSystem.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace quillon::run {
namespace {

ContentHash hashOf(std::string_view bytes, std::size_t piece)
{
    ContentHash hash;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        hash.add(bytes.substr(at, piece));
    }
    return hash;
}

// The same bytes give the same fingerprint in pieces of any size; a change of one byte anywhere, a byte more or
// less, or the same bytes in another order, give another.
TEST(OutputRecordTest, FingerprintTellsEveryChange)
{
    const std::string text =
        "<CALL:5>*BAD* (Missing) <BAND:3>20M <EOR>\r\nNormal end of run - processed 3 records.\r\n";
    const std::uint64_t whole = hashOf(text, text.size()).digest();
    for (const std::size_t piece : {1, 3, 7, 8, 9, 64}) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(hashOf(text, piece).digest(), whole);
        EXPECT_EQ(hashOf(text, piece).size(), text.size());
    }
    std::vector<std::string> changed = {text + " ", text.substr(1), text.substr(0, text.size() - 1) + "\r",
                                        text.substr(8) + text.substr(0, 8), std::string(text.size(), '\0')};
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string flipped = text;
        flipped[at] = static_cast<char>(flipped[at] ^ 1);
        changed.push_back(flipped);
    }
    for (const std::string& other : changed) {
        EXPECT_NE(hashOf(other, 5).digest(), whole) << other;
    }
    EXPECT_NE(hashOf("", 1).digest(), hashOf(std::string(1, '\0'), 1).digest());
}

// What one run writes, the next reads back; lines it does not understand are passed over, and names may hold
// blanks.
TEST(OutputRecordTest, RecordReadsBackWhatItWrote)
{
    tests::TempFolder folder;
    const auto files = makeSystemFileSystem();
    tests::writeFile(folder.path() / "contest 98.adi", "written");
    OutputRecord record;
    record.set("contest 98.adi", hashOf("written", 3));
    record.set("bad.adi", hashOf("other", 3));
    ASSERT_TRUE(record.save(*files, folder.path().string()));
    EXPECT_FALSE(files->exists(folder.file(".quillon-outputs.~quillon-new")));

    const OutputRecord again = OutputRecord::load(*files, folder.path().string());
    EXPECT_EQ(again.lines(), record.lines());
    EXPECT_TRUE(again.vouchesFor(*files, "contest 98.adi", folder.file("contest 98.adi")));
    EXPECT_TRUE(again.knows("bad.adi"));
    EXPECT_FALSE(again.knows("log.adi"));
    tests::writeFile(folder.path() / "contest 98.adi", "writteN");
    EXPECT_FALSE(again.vouchesFor(*files, "contest 98.adi", folder.file("contest 98.adi")));
    EXPECT_FALSE(again.vouchesFor(*files, "bad.adi", folder.file("bad.adi"))) << "a file that is not there";

    const OutputRecord garbled = OutputRecord::fromText("nonsense\n12 zz log.adi\n7 0123456789abcdef\n"
                                                        "7 0123456789abcdef \n1x 0123456789abcdef a.adi\n"
                                                        "7 0123456789abcdeg b.adi\n7 0123456789abcdef bad.adi\r\n");
    EXPECT_EQ(garbled.lines().size(), 2U);
    EXPECT_TRUE(garbled.knows("bad.adi"));
}

} // namespace
} // namespace quillon::run
