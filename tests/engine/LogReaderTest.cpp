// Reading log.asc into records: separators, quotes, blanks, line ends, short records and read errors.
#include "engine/LogReader.h"

#include "tests/support/ReadAllRecords.h"
#include "tests/support/StringSource.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillon::engine {
namespace {

using tests::logLine;
using Fields = std::vector<std::string>;

Fields numbered(const std::string& prefix, int count = 18)
{
    Fields fields;
    for (int i = 1; i <= count; ++i) {
        fields.push_back(prefix + std::to_string(i));
    }
    return fields;
}

using tests::ReadOutcome;

ReadOutcome readAll(const std::string& input, std::size_t bufferSize, std::size_t chunk = 1 << 20,
                    std::size_t failAfter = std::string::npos)
{
    tests::StringSource source(input, chunk, failAfter);
    return tests::readAllRecords(source, bufferSize);
}

struct ReaderCase {
    const char* name;
    std::string input;
    std::vector<Fields> records;
    ReadResult last;
};

Fields withField(Fields fields, std::size_t index, const std::string& value)
{
    fields[index] = value;
    return fields;
}

std::vector<ReaderCase> readerCases()
{
    const Fields a = numbered("a");
    const Fields b = numbered("b");
    Fields shortLine = numbered("s", 17);
    Fields shifted = shortLine;
    shifted.push_back("b1");
    Fields carried = numbered("d", 17);
    carried.insert(carried.begin(), "c");
    std::string rawA = logLine(a);
    rawA.erase(rawA.size() - 2);
    const std::string bom = "\xEF\xBB\xBF";
    std::vector<ReaderCase> cases = {
        {"two CR LF lines", logLine(a) + logLine(b), {a, b}, ReadResult::Complete},
        {"LF line ends", logLine(a).substr(0, rawA.size()) + "\n" + rawA + "\n", {a, a}, ReadResult::Complete},
        {"lone CR line ends", rawA + "\r" + rawA + "\r", {a, a}, ReadResult::Complete},
        {"no line end at the end", logLine(a) + rawA, {a, a}, ReadResult::Complete},
        {"empty file", "", {}, ReadResult::Complete},
        {"blank lines around and between records",
         "\r\n  \t\r\n" + logLine(a) + "\r\n \r\n" + logLine(b) + "\r\n  ",
         {a, b},
         ReadResult::Complete},
        {"quoted field keeps its comma",
         logLine(withField(a, 6, "\"Smith, J\"")),
         {withField(a, 6, "Smith, J")},
         ReadResult::Complete},
        {"quoted blanks stay blanks",
         logLine(withField(a, 11, "\"  \"")),
         {withField(a, 11, "  ")},
         ReadResult::Complete},
        {"text after the closing quote is dropped",
         logLine(withField(a, 7, "\"nice\" qso")),
         {withField(a, 7, "nice")},
         ReadResult::Complete},
        {"an unclosed quote ends at the line end",
         logLine(withField(a, 17, "\"1234")) + logLine(b),
         {withField(a, 17, "1234"), b},
         ReadResult::Complete},
        {"blanks before a field are skipped, trailing ones kept",
         logLine(withField(a, 1, " \t 20 ")),
         {withField(a, 1, "20 ")},
         ReadResult::Complete},
        {"a blank field reads empty", logLine(withField(a, 4, "   ")), {withField(a, 4, "")}, ReadResult::Complete},
        {"a trailing comma gives an empty last field",
         rawA.substr(0, rawA.rfind(',') + 1),
         {withField(a, 17, "")},
         ReadResult::Complete},
        {"17 fields shift the next line into the record",
         logLine(shortLine) + logLine(b),
         {shifted},
         ReadResult::InputExhausted},
        {"input ends inside the last record", logLine(a) + logLine(shortLine), {a}, ReadResult::InputExhausted},
        {"a quote inside an unquoted field is a plain byte",
         logLine(withField(a, 6, "Bob \"the\" Smith")),
         {withField(a, 6, "Bob \"the\" Smith")},
         ReadResult::Complete},
        {"fields and a quoted comma across 64-byte steps",
         logLine(withField(withField(a, 0, std::string(61, 'x')), 1, "\"" + std::string(70, 'y') + ",z\"")),
         {withField(withField(a, 0, std::string(61, 'x')), 1, std::string(70, 'y') + ",z")},
         ReadResult::Complete},
        {"a line longer than 512 bytes",
         logLine(withField(a, 9, std::string(600, 'n'))) + logLine(b),
         {withField(a, 9, std::string(600, 'n')), b},
         ReadResult::Complete},
        {"19 fields on a line: the 19th starts the next record",
         rawA + ",c\r\n" + logLine(numbered("d", 17)),
         {a, carried},
         ReadResult::Complete},
        {"a lone CR in the middle of a line ends it",
         rawA.substr(0, rawA.find(",a10")) + "\r" + rawA.substr(rawA.find(",a10") + 1) + "\r\n",
         {a},
         ReadResult::Complete},
        // A buffer of 64 bytes holds the first line whole; the second, one byte shorter, is read over it, so the
        // first line's LF stands just past the bytes read.
        {"no line end after a last line one byte shorter than the one before",
         logLine(a) + rawA.substr(0, rawA.find(",a9")) + "x" + rawA.substr(rawA.find(",a9")),
         {a, withField(a, 7, "a8x")},
         ReadResult::Complete},
        {"a UTF-8 byte-order mark at the very start is skipped", bom + logLine(a), {a}, ReadResult::Complete},
        {"a byte-order mark anywhere else is data",
         logLine(a) + bom + logLine(b),
         {a, withField(b, 0, bom + "b1")},
         ReadResult::Complete},
        {"the start of a mark alone is data",
         bom.substr(0, 2) + logLine(a),
         {withField(a, 0, bom.substr(0, 2) + "a1")},
         ReadResult::Complete},
        {"bytes above 0x7F and NUL pass through",
         logLine(withField(a, 6, std::string("J\xc3\xbcrgen\x00\xff", 9))),
         {withField(a, 6, std::string("J\xc3\xbcrgen\x00\xff", 9))},
         ReadResult::Complete},
    };
    // Lines of these lengths, CR LF included, meet the edges of the whole-line split's 64-byte steps and its
    // longest line, and those of the buffer sizes below.
    for (std::size_t length : {63, 64, 65, 511, 512, 513}) {
        const Fields line = withField(a, 7, std::string(length - logLine(a).size() + 2, 'c'));
        cases.push_back({"a line of some length", logLine(line) + logLine(b), {line, b}, ReadResult::Complete});
    }
    return cases;
}

TEST(LogReaderTest, ReadsRecordsWhateverTheBufferSize)
{
    for (const auto& c : readerCases()) {
        // Small buffers and reads take every field on its own; a buffer holding whole lines splits each line at once.
        const std::pair<std::size_t, std::size_t> sizes[] = {
            {1, 3}, {2, 3}, {7, 3}, {4096, 3}, {4096, 1 << 20}, {64, 1 << 20}, {512, 1 << 20}, {513, 1 << 20}};
        for (const auto& [bufferSize, chunk] : sizes) {
            SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(c.input.size()) + " bytes, buffer " +
                         std::to_string(bufferSize) + ", reads of " + std::to_string(chunk));
            const ReadOutcome outcome = readAll(c.input, bufferSize, chunk);
            EXPECT_EQ(outcome.records, c.records);
            EXPECT_EQ(outcome.last, c.last);
        }
    }
}

// Where each record begins, and which lines hold other than 18 fields, counted from 1 over blank lines, LF and
// CR LF, and records that span lines.
TEST(LogReaderTest, CountsLines)
{
    using Odd = std::vector<std::pair<std::int64_t, std::size_t>>;
    struct Case {
        const char* name;
        std::string input;
        std::vector<std::int64_t> recordLines;
        Odd oddLines;
    };
    const Fields a = numbered("a");
    std::string rawA = logLine(a);
    rawA.erase(rawA.size() - 2);
    const std::string halfA = rawA.substr(0, rawA.find(",a10"));
    const Case cases[] = {
        {"blank lines, LF and CR LF", "\n\r\n" + rawA + "\n\n" + logLine(a), {3, 5}, {}},
        {"19 fields, then 17", rawA + ",c\r\n" + logLine(numbered("d", 17)), {1, 1}, {{1, 19}, {2, 17}}},
        {"a record over two lines", halfA + "\r\n" + rawA.substr(halfA.size() + 1) + "\r\n", {1}, {{1, 9}, {2, 9}}},
        {"cut short", logLine(a) + logLine(numbered("s", 17)), {1, 2}, {{2, 17}}},
    };
    for (const auto& c : cases) {
        for (const std::size_t bufferSize : {1, 4096}) {
            SCOPED_TRACE(std::string(c.name) + ", buffer " + std::to_string(bufferSize));
            tests::StringSource source(c.input, 3);
            LogReader reader(source, bufferSize);
            ContactRecord record;
            std::vector<std::int64_t> lines;
            while (!reader.atEnd()) {
                const ReadResult result = reader.readRecord(record);
                lines.push_back(reader.recordLine());
                if (result != ReadResult::Complete) {
                    break;
                }
            }
            EXPECT_EQ(lines, c.recordLines);
            Odd odd;
            for (const auto& line : reader.oddLines()) {
                odd.emplace_back(line.line, line.fields);
            }
            EXPECT_EQ(odd, c.oddLines);
            EXPECT_EQ(reader.oddLineCount(), static_cast<std::int64_t>(c.oddLines.size()));
        }
    }
}

TEST(LogReaderTest, ReadErrorIsNotTakenForTheEnd)
{
    const std::string first = logLine(numbered("a"));
    const std::string input = first + logLine(numbered("b"));
    const std::size_t cuts[] = {0, 10, first.size(), input.size() - 1};
    for (std::size_t failAfter : cuts) {
        SCOPED_TRACE(failAfter);
        const ReadOutcome outcome = readAll(input, 16, 5, failAfter);
        EXPECT_EQ(outcome.last, ReadResult::InputError);
        EXPECT_EQ(outcome.records.size(), failAfter >= first.size() ? 1U : 0U);
    }
}

} // namespace
} // namespace quillon::engine
