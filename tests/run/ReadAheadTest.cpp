// Reading ahead on a thread hands out exactly the source's bytes, and its end or failure, whatever the sizes.
#include "run/ReadAhead.h"

#include "tests/support/StringSource.h"

#include <gtest/gtest.h>
#include <string>

namespace quillon::run {
namespace {

// All a source gives in reads of `readSize`, then how it ended.
std::string drain(engine::ByteSource& source, std::size_t readSize)
{
    std::string bytes(readSize, '\0');
    std::string all;
    for (;;) {
        const long count = source.read(bytes.data(), readSize);
        if (count <= 0) {
            return all + (count < 0 ? "<failed>" : "<end>");
        }
        all.append(bytes, 0, static_cast<std::size_t>(count));
    }
}

TEST(ReadAheadTest, GivesTheBytesAndTheEndingOfItsSource)
{
    std::string many;
    for (int i = 0; i < 3000; ++i) {
        many += std::to_string(i) + ",";
    }
    struct Case {
        const char* name;
        std::string input;
        std::size_t failAfter = std::string::npos;
    };
    const Case cases[] = {
        {"empty", ""},
        {"shorter than a block", "a,b,c\r\n"},
        {"many blocks", many},
        {"whole blocks", std::string(7 * 4096, 'x')},
        {"a read error in the middle", many, many.size() / 2},
        {"a read error at once", many, 0},
    };
    const ReadAheadSizes sizes[] = {{1, 2}, {7, 2}, {4096, 3}};
    for (const auto& c : cases) {
        tests::StringSource direct(c.input, 5, c.failAfter);
        const std::string expected = drain(direct, 11);
        for (const auto& size : sizes) {
            for (bool inBackground : {true, false}) {
                SCOPED_TRACE(std::string(c.name) + ", blocks of " + std::to_string(size.blockSize) +
                             (inBackground ? ", reading thread" : ", no thread"));
                tests::StringSource source(c.input, 5, c.failAfter);
                ReadAhead readAhead(source, size, inBackground);
                EXPECT_EQ(drain(readAhead, 11), expected);
            }
        }
    }
}

// The window may close at any point of a run; the reading thread then stops without being waited for long.
TEST(ReadAheadTest, CanBeDroppedPartway)
{
    const std::string input(100000, 'x');
    for (std::size_t taken : {0, 1, 50000}) {
        tests::StringSource source(input, 100);
        ReadAhead readAhead(source, {64, 2});
        std::string bytes(taken, '\0');
        for (std::size_t got = 0; got < taken;) {
            got += static_cast<std::size_t>(readAhead.read(bytes.data(), taken - got));
        }
    }
}

} // namespace
} // namespace quillon::run
