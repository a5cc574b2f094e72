// Reads log.asc in blocks on a thread of its own, a few blocks ahead of the reader that parses them.
#pragma once

#include "engine/ByteSource.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quillon::run {

// How much is read ahead: blocks of blockSize bytes, of which one is being used while the others are read.
struct ReadAheadSizes {
    std::size_t blockSize = 256 * 1024;
    std::size_t blocks = 4; // at least two
};

// Hands out the bytes of another source, in order and with the same end or failure, while the next blocks are
// read beside the conversion. The bytes are not looked at here: the reader parses them in the run's thread.
class ReadAhead : public engine::ByteSource
{
public:
    // The first block is read at once: an input that fits in it never starts a thread. Without
    // `readInBackground`, or when no thread can be started, each block is read when the caller gets to it.
    explicit ReadAhead(engine::ByteSource& source, ReadAheadSizes sizes = {}, bool readInBackground = true);
    // Stops the reading thread, if one was needed, and waits for it; nothing is read from the source afterwards.
    ~ReadAhead() override;
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    long read(char* buffer, std::size_t size) override;

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        bool last = false;   // the input ended or failed after these bytes
        bool failed = false; // how
        bool filled = false; // filled and not yet used up by the caller; guarded by the mutex
    };

    void fill(Block& block);
    void readLoop();
    Block& currentBlock();
    void moveToNextBlock();

    engine::ByteSource& m_source;
    std::size_t m_blockSize;
    std::vector<Block> m_blocks;
    std::size_t m_current = 0; // the block the caller takes bytes from
    std::size_t m_offset = 0;  // how many it has taken
    bool m_readHere;           // no reading thread: the caller fills each block
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace quillon::run
