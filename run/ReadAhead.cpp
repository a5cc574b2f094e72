// The reading thread, the packing of records and the hand-over of blocks.
#include "run/ReadAhead.h"

#include <cstdint>
#include <cstring>
#include <system_error>

namespace quillon::run {

namespace {

// A block is handed over once it holds this much; a record is never split between blocks.
constexpr std::size_t kBlockTarget = 256 * 1024;
// A block that had to grow past this for a very long record is given back once it has been used.
constexpr std::size_t kLargestKeptBlock = 4 * kBlockTarget;

// A field's length takes two bytes; a length of 65535 or more is marked by that value and follows in eight.
using FieldLength = std::uint16_t;
using LongFieldLength = std::uint64_t;
constexpr FieldLength kLongField = ~FieldLength{0};

// Both sources of the bytes keep spare room after them, so each field goes as a block move.
void packField(const char* field, std::size_t size, engine::ByteBuffer& bytes)
{
    if (size >= kLongField) [[unlikely]] {
        const LongFieldLength length = size;
        std::memcpy(bytes.extend(sizeof kLongField), &kLongField, sizeof kLongField);
        std::memcpy(bytes.extend(sizeof length), &length, sizeof length);
        bytes.append({field, size});
        return;
    }
    const auto length = static_cast<FieldLength>(size);
    char* out = bytes.extend(sizeof length + size);
    std::memcpy(out, &length, sizeof length);
    engine::ByteBuffer::copyPadded(out + sizeof length, field, size);
}

// Reads a length written by packField() and moves past it.
std::size_t unpackLength(const char*& at)
{
    FieldLength length;
    std::memcpy(&length, at, sizeof length);
    at += sizeof length;
    if (length == kLongField) [[unlikely]] {
        LongFieldLength longLength;
        std::memcpy(&longLength, at, sizeof longLength);
        at += sizeof longLength;
        return static_cast<std::size_t>(longLength);
    }
    return length;
}

void packLine(const char* line, const engine::LineFields& fields, engine::ByteBuffer& bytes)
{
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        packField(line + fields.start(i), fields.size(i), bytes);
    }
}

void packRecord(const engine::ContactRecord& record, engine::ByteBuffer& bytes)
{
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        const engine::FieldText& field = record[static_cast<engine::Field>(i)];
        packField(field.data(), field.size(), bytes);
    }
}

} // namespace

// The first block is read at once, here: a log that fits in it is read without starting a thread at all.
ReadAhead::ReadAhead(engine::ByteSource& source, bool readInBackground)
    : m_reader(source)
    , m_readHere(!readInBackground)
{
    Block& first = m_blocks[0];
    fill(first);
    first.filled.store(true);
    m_currentFilled = true;
    if (!first.last && !m_readHere) {
        try {
            m_thread = std::thread([this] { readLoop(1); });
        } catch (const std::system_error&) {
            m_readHere = true; // no thread to be had: each block is read when the caller gets to it
        }
    }
}

ReadAhead::~ReadAhead()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool ReadAhead::atEnd()
{
    const Block& block = currentBlock();
    return m_taken == block.complete && block.last && block.ending == engine::ReadResult::Complete;
}

engine::ReadResult ReadAhead::readRecord(engine::ContactRecord& record)
{
    Block& block = currentBlock();
    if (m_taken == block.complete) {
        // Only the last block runs out: the reading has ended at the end of the input or at a failure.
        if (block.ending == engine::ReadResult::Complete || m_endingTaken) {
            return engine::ReadResult::InputExhausted;
        }
        // The reading thread has stopped, so its record can be handed over as it is, however long its fields.
        for (std::size_t i = 0; i < block.fieldsWritten; ++i) {
            record.atInputPosition(i).swap(m_reading.atInputPosition(i));
        }
        m_endingTaken = true;
        return block.ending;
    }
    unpack(block, record);
    ++m_taken;
    if (m_taken == block.complete && !block.last) {
        moveToNextBlock();
    }
    return engine::ReadResult::Complete;
}

void ReadAhead::unpack(const Block& block, engine::ContactRecord& record)
{
    const char* at = block.bytes.data() + m_offset;
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        const std::size_t length = unpackLength(at);
        // The packed bytes run on past each field, and the block keeps spare room after the last one.
        record.atInputPosition(i).assignPadded(at, length);
        at += length;
    }
    m_offset = static_cast<std::size_t>(at - block.bytes.data());
}

// Waits until the block the caller is on has been filled. The lock is taken only when the reading is behind.
ReadAhead::Block& ReadAhead::currentBlock()
{
    Block& block = m_blocks[m_current];
    if (!m_currentFilled) {
        if (m_readHere) {
            fill(block);
            block.filled.store(true);
        } else if (!block.filled.load(std::memory_order_acquire)) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&block] { return block.filled.load(); });
        }
        m_currentFilled = true;
    }
    return block;
}

// Gives a used-up block back to the reading thread and goes on with the next one.
void ReadAhead::moveToNextBlock()
{
    {
        std::lock_guard lock(m_mutex);
        m_blocks[m_current].filled.store(false);
    }
    m_changed.notify_all();
    m_current = (m_current + 1) % kBlocks;
    m_taken = 0;
    m_offset = 0;
    m_currentFilled = false;
}

void ReadAhead::readLoop(std::size_t index)
{
    for (;; index = (index + 1) % kBlocks) {
        Block& block = m_blocks[index];
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this, &block] { return !block.filled.load() || m_stopping; });
            if (m_stopping) {
                return;
            }
        }
        fill(block);
        {
            std::lock_guard lock(m_mutex);
            block.filled.store(true, std::memory_order_release);
        }
        m_changed.notify_all();
        if (block.last) {
            return;
        }
    }
}

// Packs records until the block holds its share, the input ends or a read fails.
void ReadAhead::fill(Block& block)
{
    if (block.bytes.capacity() > kLargestKeptBlock) {
        block.bytes = engine::ByteBuffer();
    }
    block.bytes.clear();
    block.complete = 0;
    while (block.bytes.size() < kBlockTarget) {
        if (const char* line = m_reader.takeWholeLine()) {
            packLine(line, m_reader.lineFields(), block.bytes);
            ++block.complete;
            continue;
        }
        if (m_reader.atEnd()) {
            block.last = true;
            block.ending = engine::ReadResult::Complete;
            return;
        }
        const engine::ReadResult result = m_reader.readRecord(m_reading);
        if (result != engine::ReadResult::Complete) {
            block.last = true;
            block.ending = result;
            block.fieldsWritten = m_reader.fieldsWritten();
            return;
        }
        packRecord(m_reading, block.bytes);
        ++block.complete;
    }
}

} // namespace quillon::run
