// Reads the records of log.asc on a thread of their own, a few thousand contacts ahead of the conversion.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ByteSource.h"
#include "engine/ContactRecord.h"
#include "engine/LogReader.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

namespace quillon::run {

// Offers what the run asks of the reader, in the same order and with the same results, while the reading goes on
// beside the conversion. The reading thread packs the fields of each record one after the other into blocks of
// bytes, which the caller unpacks in the same order: the bytes cross from one processor core to the other in
// long runs that the memory system fetches ahead.
class ReadAhead
{
public:
    // Without `readInBackground`, or when no thread can be started, the blocks are read in the caller's thread
    // as it gets to them.
    explicit ReadAhead(engine::ByteSource& source, bool readInBackground = true);
    // Stops the reading thread, if one was needed, and waits for it; nothing is read from the source afterwards.
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // True when nothing but blanks and line ends was left to read (and no read failed).
    bool atEnd();

    // Reads the next record into `record`. After a failure the fields read so far are in the record and the
    // others are left as they were, as with the reader itself.
    engine::ReadResult readRecord(engine::ContactRecord& record);

private:
    struct Block {
        engine::ByteBuffer bytes; // the packed records: each field as its length, then its bytes
        std::size_t complete = 0; // records read whole
        bool last = false;        // the reading ended in this block
        engine::ReadResult ending = engine::ReadResult::Complete; // how
        std::size_t fieldsWritten = 0;    // of a record cut short, which stays in the reading thread's record
        std::atomic<bool> filled = false; // filled and not yet used up by the caller
    };

    void readLoop(std::size_t index);
    void fill(Block& block);
    Block& currentBlock();
    void unpack(const Block& block, engine::ContactRecord& record);
    void moveToNextBlock();

    static constexpr std::size_t kBlocks = 4;

    engine::LogReader m_reader;
    engine::ContactRecord m_reading; // the reading thread's own record
    std::array<Block, kBlocks> m_blocks;
    std::size_t m_current = 0;    // the block the caller takes records from
    std::size_t m_taken = 0;      // records taken from it
    std::size_t m_offset = 0;     // where the next one starts in it
    bool m_currentFilled = false; // the caller has seen the current block filled
    bool m_readHere;              // no reading thread: the caller fills each block
    bool m_endingTaken = false;   // a record cut short has been handed over
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace quillon::run
