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
    bool sync() override { return true; }
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

// After a failed write nothing more is written, so the file ends where it failed; the failure is told at the next
// hand-over at the latest.
TEST(WriteBehindTest, WritesEveryBufferInOrderUntilOneFails)
{
    const std::vector<std::string> buffers = {"first\r\n", std::string(100000, 'x') + "\r\n", "third\r\n", "last\r\n"};
    for (bool inBackground : {true, false}) {
        for (int failingWrite : {0, 2}) {
            SCOPED_TRACE(std::string(inBackground ? "writing thread" : "no thread") + ", failing write " +
                         std::to_string(failingWrite));
            RecordingFile file(failingWrite);
            bool finished = false;
            std::vector<bool> accepted;
            {
                WriteBehind behind(file, inBackground);
                accepted = handOverAll(behind, buffers, finished);
            }
            EXPECT_EQ(finished, failingWrite == 0);
            EXPECT_EQ(file.content, failingWrite == 0 ? buffers[0] + buffers[1] + buffers[2] + buffers[3] : buffers[0]);
            EXPECT_EQ(accepted[2] && accepted[3], failingWrite == 0);
            EXPECT_TRUE(accepted[0]);
        }
    }
}

} // namespace
} // namespace quillon::run
