// Writes full output buffers on a thread of their own, so the conversion goes on while the system copies bytes.
#pragma once

#include "engine/ByteBuffer.h"
#include "run/FileSystem.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace quillon::run {

// One buffer is in flight at a time. A failed write is reported by the next call, and after it nothing more is
// written, so the file keeps whole lines up to the failure. The thread starts with the first hand-over, so short
// files never start one.
class WriteBehind
{
public:
    // Without `inBackground`, or when no thread can be started, each buffer is written in the caller's thread when
    // it is handed over.
    explicit WriteBehind(OutputFile& file, bool inBackground = true);
    ~WriteBehind();
    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;

    // Takes the bytes of `buffer` for writing and leaves it empty. Waits while the previous buffer is still being
    // written. Returns false once any write has failed; the bytes are then dropped.
    bool handOver(engine::ByteBuffer& buffer);

    // Waits until every byte handed over is written. Returns false if any write failed.
    bool finish();

private:
    bool startThread();
    void writeLoop();
    void waitUntilIdle(std::unique_lock<std::mutex>& lock);

    OutputFile& m_file;
    bool m_inBackground;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    engine::ByteBuffer m_pending; // bytes handed over and not written yet
    bool m_busy = false;
    bool m_failed = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace quillon::run
