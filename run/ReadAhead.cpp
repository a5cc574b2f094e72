// The reading thread and the hand-over of blocks.
#include "run/ReadAhead.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace quillon::run {

ReadAhead::ReadAhead(engine::ByteSource& source, ReadAheadSizes sizes, bool readInBackground)
    : m_source(source)
    , m_blockSize(std::max<std::size_t>(sizes.blockSize, 1))
    , m_blocks(std::max<std::size_t>(sizes.blocks, 2))
    , m_readHere(!readInBackground)
{
    for (Block& block : m_blocks) {
        block.bytes = std::make_unique_for_overwrite<char[]>(m_blockSize);
    }
    fill(m_blocks[0]);
    if (!m_blocks[0].last && !m_readHere) {
        try {
            m_thread = std::thread([this] { readLoop(); });
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

long ReadAhead::read(char* buffer, std::size_t size)
{
    for (;;) {
        Block& block = currentBlock();
        if (m_offset < block.size) {
            const std::size_t count = std::min(size, block.size - m_offset);
            std::memcpy(buffer, block.bytes.get() + m_offset, count);
            m_offset += count;
            return static_cast<long>(count);
        }
        if (block.last) {
            return block.failed ? -1 : 0;
        }
        moveToNextBlock();
    }
}

// Reads until the block is full, the input ends or a read fails.
void ReadAhead::fill(Block& block)
{
    block.size = 0;
    while (block.size < m_blockSize) {
        const long count = m_source.read(block.bytes.get() + block.size, m_blockSize - block.size);
        if (count <= 0) {
            block.last = true;
            block.failed = count < 0;
            break;
        }
        block.size += static_cast<std::size_t>(count);
    }
    std::lock_guard lock(m_mutex);
    block.filled = true;
}

// Waits until the block the caller is on has been filled.
ReadAhead::Block& ReadAhead::currentBlock()
{
    Block& block = m_blocks[m_current];
    std::unique_lock lock(m_mutex);
    if (!block.filled && m_readHere) {
        lock.unlock();
        fill(block);
        return block;
    }
    m_changed.wait(lock, [&block] { return block.filled; });
    return block;
}

// Gives a used-up block back to the reading thread and goes on with the next one.
void ReadAhead::moveToNextBlock()
{
    {
        std::lock_guard lock(m_mutex);
        m_blocks[m_current].filled = false;
    }
    m_changed.notify_all();
    m_current = (m_current + 1) % m_blocks.size();
    m_offset = 0;
}

void ReadAhead::readLoop()
{
    for (std::size_t index = 1;; index = (index + 1) % m_blocks.size()) {
        Block& block = m_blocks[index];
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this, &block] { return !block.filled || m_stopping; });
            if (m_stopping) {
                return;
            }
        }
        fill(block);
        m_changed.notify_all();
        if (block.last) {
            return;
        }
    }
}

} // namespace quillon::run
