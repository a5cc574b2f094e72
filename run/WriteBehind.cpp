// The writing thread of one output file.
#include "run/WriteBehind.h"

#include <system_error>
#include <utility>

namespace quillon::run {

WriteBehind::WriteBehind(OutputFile& file, bool inBackground)
    : m_file(file)
    , m_inBackground(inBackground)
{
}

WriteBehind::~WriteBehind()
{
    {
        std::unique_lock lock(m_mutex);
        waitUntilIdle(lock);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool WriteBehind::handOver(engine::ByteBuffer& buffer)
{
    {
        std::unique_lock lock(m_mutex);
        waitUntilIdle(lock);
        if (m_failed) {
            buffer.clear();
            return false;
        }
        // The spare buffer comes back empty with its room kept, so neither side allocates after the first rounds.
        std::swap(m_pending, buffer);
        buffer.clear();
        m_busy = true;
        if (!m_thread.joinable() && !startThread()) {
            // No thread to be had: the bytes are written here and now.
            m_failed = !m_file.write(m_pending.view());
            m_busy = false;
            return !m_failed;
        }
    }
    m_changed.notify_all();
    return true;
}

bool WriteBehind::startThread()
{
    if (!m_inBackground) {
        return false;
    }
    try {
        m_thread = std::thread([this] { writeLoop(); });
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

bool WriteBehind::finish()
{
    std::unique_lock lock(m_mutex);
    waitUntilIdle(lock);
    return !m_failed;
}

void WriteBehind::waitUntilIdle(std::unique_lock<std::mutex>& lock)
{
    m_changed.wait(lock, [this] { return !m_busy; });
}

void WriteBehind::writeLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_busy || m_stopping; });
        if (!m_busy) {
            return;
        }
        lock.unlock();
        // Only this thread touches the pending bytes while the buffer is busy.
        const bool written = m_file.write(m_pending.view());
        lock.lock();
        m_failed = m_failed || !written;
        m_busy = false;
        m_changed.notify_all();
    }
}

} // namespace quillon::run
