// Reading ahead on a thread gives the run exactly what the reader gives, record for record, to the end.
#include "run/ReadAhead.h"

#include "tests/support/StringSource.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillon::run {
namespace {

struct Step {
    bool atEnd;
    engine::ReadResult result;
    std::vector<std::string> fields;

    bool operator==(const Step&) const = default;
};

std::vector<std::string> fieldsOf(engine::ContactRecord& record)
{
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        fields.emplace_back(record.atInputPosition(i).view());
    }
    return fields;
}

// The run's loop: ask for the end, read, stop at the first failure.
template <class Reader> std::vector<Step> steps(Reader& reader)
{
    std::vector<Step> steps;
    engine::ContactRecord record;
    for (;;) {
        if (reader.atEnd()) {
            steps.push_back({true, engine::ReadResult::Complete, {}});
            return steps;
        }
        const engine::ReadResult result = reader.readRecord(record);
        steps.push_back({false, result, fieldsOf(record)});
        if (result != engine::ReadResult::Complete) {
            return steps;
        }
    }
}

std::string manyRecords(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> fields(engine::kFieldCount, "f" + std::to_string(i));
        fields[7] = i % 3 == 0 ? "\"a, quoted comment\"" : "plain";
        text += tests::logLine(fields);
        if (i % 50 == 0) {
            text += "  \r\n"; // blank lines are skipped
        }
    }
    return text;
}

TEST(ReadAheadTest, GivesWhatTheReaderGives)
{
    const std::string many = manyRecords(6000); // several blocks, so the blocks are reused in turn
    const std::string longField(300 * 1024, 'x');
    struct Case {
        const char* name;
        std::string input;
        std::size_t failAfter = std::string::npos;
    };
    const Case cases[] = {
        {"empty", ""},
        {"many records", many},
        {"a short last record", many + "a,b,c\r\n"},
        {"a read error in the middle", many, many.size() / 2},
        {"a record longer than a block, with a field over 64 KiB", many.substr(0, 5000) + longField + many},
        {"records over several lines", "1,2,3\r\n4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n" + many},
    };
    for (const auto& c : cases) {
        // Also without a thread, as when none can be started.
        for (bool inBackground : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (inBackground ? ", reading thread" : ", no thread"));
            tests::StringSource direct(c.input, 4096, c.failAfter);
            engine::LogReader reader(direct);
            tests::StringSource ahead(c.input, 4096, c.failAfter);
            ReadAhead readAhead(ahead, inBackground);
            const auto expected = steps(reader);
            EXPECT_EQ(steps(readAhead), expected);
            EXPECT_GT(expected.size(), 0U);
        }
    }
}

// The window may close at any point of a run; the reading thread then stops without being waited for long.
TEST(ReadAheadTest, CanBeDroppedPartway)
{
    const std::string many = manyRecords(6000);
    for (int taken : {0, 1, 3000}) {
        tests::StringSource source(many);
        ReadAhead readAhead(source);
        engine::ContactRecord record;
        for (int i = 0; i < taken; ++i) {
            ASSERT_EQ(readAhead.readRecord(record), engine::ReadResult::Complete);
        }
    }
}

} // namespace
} // namespace quillon::run
