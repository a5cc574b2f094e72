// A growable run of bytes whose appends are inlined: fragments, record lines and output buffers are built from
// many short pieces for every record, and the out-of-line calls of std::string cost more than the copies.
#pragma once

#include "engine/PaddedBytes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace quillon::engine {

// Every buffer keeps detail::kSlack bytes to spare after its last byte, readable and writable, and hands out the
// padded views and cursors that rely on them: short runs move as one fixed-size block instead of byte counts that
// the processor cannot predict.
class ByteBuffer
{
public:
    ByteBuffer() = default;
    ByteBuffer(std::string_view bytes) { append(bytes); }
    ByteBuffer(const char* text)
        : ByteBuffer(std::string_view(text))
    {
    }
    ByteBuffer(const std::string& text)
        : ByteBuffer(std::string_view(text))
    {
    }
    ByteBuffer(const ByteBuffer& other)
        : ByteBuffer(other.view())
    {
    }
    ByteBuffer& operator=(const ByteBuffer& other)
    {
        if (this != &other) {
            assign(other.view());
        }
        return *this;
    }
    ByteBuffer(ByteBuffer&& other) noexcept { swap(other); }
    ByteBuffer& operator=(ByteBuffer&& other) noexcept
    {
        ByteBuffer gone(std::move(*this));
        swap(other);
        return *this;
    }
    ~ByteBuffer() = default;

    void swap(ByteBuffer& other) noexcept
    {
        std::swap(m_storage, other.m_storage);
        std::swap(m_bytes, other.m_bytes);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
    }

    void clear() { m_size = 0; }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    std::size_t capacity() const { return m_capacity; }
    std::string_view view() const { return {m_bytes, m_size}; }
    char* data() { return m_bytes; }
    const char* data() const { return m_bytes; }
    char front() const { return m_bytes[0]; }
    char back() const { return m_bytes[m_size - 1]; }
    operator std::string_view() const { return view(); }
    // The bytes with the promise of the spare room after them.
    detail::PaddedView padded() const { return {m_bytes, m_size}; }

    // Makes room for `count` more bytes at the end and returns where they go; the caller fills all of them.
    char* extend(std::size_t count) { return extendPadded(count).m_at; }
    // The same room, to be filled through block moves that may reach into the spare room.
    detail::PaddedCursor extendPadded(std::size_t count)
    {
        // A buffer that never held bytes grows even for none, so the shared empty block is never written.
        if (m_capacity - m_size <= count) {
            grow(count);
        }
        char* out = m_bytes + m_size;
        m_size += count;
        return detail::PaddedCursor(out);
    }

    void append(std::string_view bytes) { extendPadded(bytes.size()).put(bytes); }
    void append(char c) { *extend(1) = c; }
    ByteBuffer& operator+=(std::string_view bytes)
    {
        append(bytes);
        return *this;
    }
    ByteBuffer& operator+=(char c)
    {
        append(c);
        return *this;
    }
    void assign(std::string_view bytes)
    {
        clear();
        append(bytes);
    }
    // Like assign(), for bytes from another buffer.
    void assignPadded(detail::PaddedView bytes)
    {
        if (bytes.size() < m_capacity) [[likely]] {
            // The common case in one test: the buffer has room, and the copy is a single block move.
            m_size = bytes.size();
            detail::PaddedCursor(m_bytes).put(bytes);
            return;
        }
        clear();
        extendPadded(bytes.size()).put(bytes);
    }
    // Keeps the first `count` bytes.
    void truncate(std::size_t count) { m_size = std::min(m_size, count); }
    // Drops the first `count` bytes.
    void removePrefix(std::size_t count)
    {
        count = std::min(m_size, count);
        std::memmove(m_bytes, m_bytes + count, m_size - count);
        m_size -= count;
    }

    friend bool operator==(const ByteBuffer& a, std::string_view b) { return a.view() == b; }

private:
    // Keeps the bytes in use and at least doubles the room, so appends cost amortised constant time. Kept out of
    // line: it is rare, and the appends that may need it stay small enough to inline.
    [[gnu::noinline]] void grow(std::size_t count)
    {
        const std::size_t capacity = std::max(m_capacity * 2, m_size + count + 64);
        auto storage = std::make_unique_for_overwrite<char[]>(capacity + detail::kSlack);
        if (m_size > 0) {
            std::memcpy(storage.get(), m_bytes, m_size);
        }
        m_storage = std::move(storage);
        m_bytes = m_storage.get();
        m_capacity = capacity;
    }

    // An empty buffer that never held bytes reads from here, so its spare room exists too. Nothing writes to it:
    // the first write grows the buffer.
    alignas(64) static inline char s_noBytes[detail::kSlack] = {};

    std::unique_ptr<char[]> m_storage;
    char* m_bytes = s_noBytes;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace quillon::engine
