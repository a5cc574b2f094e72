// Buffers written on the writing thread arrive whole and in order, and the first failed write ends the writing.
#include "run/WriteBehind.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillon::run {
namespace {

// Keeps what is written; the write with the given number (from 1) fails and leaves nothing.
class RecordingFile : public OutputFile
{
public:
    explicit RecordingFile(int failingWrite = 0)
        : m_failingWrite(failingWrite)
    {
    }
    bool write(std::string_view bytes) override
    {
        if (++m_writes == m_failingWrite) {
            return false;
        }
        content += bytes;
        return true;
    }
    bool close() override { return true; }

    std::string content;

private:
    int m_failingWrite;
    int m_writes = 0;
};

// Hands over the buffers one after another and says which hand-overs were accepted, then whether all was written.
std::vector<bool> handOverAll(WriteBehind& behind, const std::vector<std::string>& buffers, bool& finished)
{
    std::vector<bool> accepted;
    engine::ByteBuffer buffer;
    for (const auto& text : buffers) {
        buffer.assign(text);
        accepted.push_back(behind.handOver(buffer));
        EXPECT_TRUE(buffer.empty()) << "the buffer comes back empty for the next lines";
    }
    finished = behind.finish();
    return accepted;
}

TEST(WriteBehindTest, WritesEveryBufferInOrder)
{
    const std::vector<std::string> buffers = {"first\r\n", std::string(100000, 'x') + "\r\n", "third\r\n", "last\r\n"};
    for (bool inBackground : {true, false}) {
        SCOPED_TRACE(inBackground ? "writing thread" : "no thread");
        RecordingFile file;
        bool finished = false;
        {
            WriteBehind behind(file, inBackground);
            EXPECT_EQ(handOverAll(behind, buffers, finished), std::vector<bool>(4, true));
        }
        EXPECT_TRUE(finished);
        EXPECT_EQ(file.content, buffers[0] + buffers[1] + buffers[2] + buffers[3]);
    }
}

TEST(WriteBehindTest, NothingIsWrittenAfterAFailedWrite)
{
    for (bool inBackground : {true, false}) {
        SCOPED_TRACE(inBackground ? "writing thread" : "no thread");
        RecordingFile file(2);
        bool finished = true;
        WriteBehind behind(file, inBackground);
        const auto accepted = handOverAll(behind, {"one\r\n", "two\r\n", "three\r\n", "four\r\n"}, finished);
        EXPECT_FALSE(finished);
        EXPECT_FALSE(accepted[2]) << "the failure is told at the next hand-over at the latest";
        EXPECT_FALSE(accepted[3]);
        EXPECT_EQ(file.content, "one\r\n") << "no line after the failed one, so the file ends where it failed";
    }
}

} // namespace
} // namespace quillon::run
