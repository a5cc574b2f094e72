// A growable run of bytes whose appends are inlined: fragments, record lines and output buffers are built from
// many short pieces for every record, and the out-of-line calls of std::string cost more than the copies.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace quillon::engine {

class ByteBuffer
{
public:
    // Every buffer keeps this many bytes to spare after its last byte, readable and writable, so short runs are
    // moved as one fixed-size block instead of byte counts that the processor cannot predict.
    static constexpr std::size_t kSlack = 32;

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

    // Makes room for `count` more bytes at the end and returns where they go; the caller fills all of them and may
    // write up to kSlack bytes beyond them. A buffer that never held bytes grows even for none, so the shared
    // empty block is never written.
    char* extend(std::size_t count)
    {
        if (m_capacity - m_size <= count) {
            grow(count);
        }
        char* out = m_bytes + m_size;
        m_size += count;
        return out;
    }

    void append(std::string_view bytes) { copyBytes(extend(bytes.size()), bytes.data(), bytes.size()); }
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
    // Like assign(), for bytes that are followed by at least kSlack readable bytes (another buffer's spare room).
    void assignPadded(const char* bytes, std::size_t count)
    {
        if (count < m_capacity) [[likely]] {
            // The common case in one test: the buffer has room, and the copy is a single block move.
            m_size = count;
            copyPadded(m_bytes, bytes, count);
            return;
        }
        clear();
        copyPadded(extend(count), bytes, count);
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

    // Copies a few bytes without a call into the C library: most pieces are shorter than 32 bytes, and two
    // overlapping fixed-size moves cover them. Longer runs go to memcpy.
    static void copyBytes(char* out, const char* in, std::size_t count)
    {
        if (count > 16) {
            if (count > 32) {
                std::memcpy(out, in, count);
                return;
            }
            std::memcpy(out, in, 16);
            std::memcpy(out + count - 16, in + count - 16, 16);
        } else if (count >= 8) {
            std::memcpy(out, in, 8);
            std::memcpy(out + count - 8, in + count - 8, 8);
        } else if (count >= 4) {
            std::memcpy(out, in, 4);
            std::memcpy(out + count - 4, in + count - 4, 4);
        } else if (count > 0) {
            out[0] = in[0];
            out[count / 2] = in[count / 2];
            out[count - 1] = in[count - 1];
        }
    }

    // Copies `count` bytes where both sides have kSlack bytes to spare beyond them: a run of up to kSlack bytes
    // is moved as one block, whatever its length.
    static void copyPadded(char* out, const char* in, std::size_t count)
    {
        if (count <= kSlack) [[likely]] {
            std::memcpy(out, in, kSlack);
            return;
        }
        std::memcpy(out, in, count);
    }

    friend bool operator==(const ByteBuffer& a, std::string_view b) { return a.view() == b; }

private:
    // Keeps the bytes in use and at least doubles the room, so appends cost amortised constant time. Kept out of
    // line: it is rare, and the appends that may need it stay small enough to inline.
    [[gnu::noinline]] void grow(std::size_t count)
    {
        const std::size_t capacity = std::max(m_capacity * 2, m_size + count + 64);
        auto storage = std::make_unique_for_overwrite<char[]>(capacity + kSlack);
        if (m_size > 0) {
            std::memcpy(storage.get(), m_bytes, m_size);
        }
        m_storage = std::move(storage);
        m_bytes = m_storage.get();
        m_capacity = capacity;
    }

    // An empty buffer that never held bytes reads from here, so its spare room exists too. Nothing writes to it:
    // the first write grows the buffer.
    alignas(kSlack) static inline char s_noBytes[kSlack] = {};

    std::unique_ptr<char[]> m_storage;
    char* m_bytes = s_noBytes;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace quillon::engine
