// Bytes followed by spare room, as types: what lets scans read past the end of their text and lets short runs
// move as one fixed-size block.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace quillon::engine {
class ByteBuffer;
} // namespace quillon::engine

namespace quillon::engine::detail {

// Every buffer that hands out the types below keeps this many readable and writable bytes after its last byte.
// Their content does not matter: a scan looks past the end of its text and ignores what it finds there, and a
// block move's overrun is overwritten by the next write.
inline constexpr std::size_t kSlack = 64;

// Bytes to read that are followed by at least kSlack more readable bytes. Only a ByteBuffer hands them out; a
// part of one is followed by the same buffer's bytes and spare room.
class PaddedView
{
public:
    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    PaddedView part(std::size_t offset, std::size_t count) const { return {m_data + offset, count}; }
    operator std::string_view() const { return {m_data, m_size}; }

private:
    friend class engine::ByteBuffer;
    PaddedView(const char* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    const char* m_data;
    std::size_t m_size;
};

// Where the bytes of room just made in a ByteBuffer are written, with kSlack writable bytes beyond that room. The
// writer fills the room exactly; only the block moves reach past it.
class PaddedCursor
{
public:
    // A run of up to 32 bytes moves as one block, whatever its length.
    void put(PaddedView bytes)
    {
        constexpr std::size_t kBlock = 32;
        static_assert(kBlock <= kSlack);
        if (bytes.size() <= kBlock) [[likely]] {
            std::memcpy(m_at, bytes.data(), kBlock);
        } else {
            std::memcpy(m_at, bytes.data(), bytes.size());
        }
        m_at += bytes.size();
    }

    // The first `count` bytes of `block`, moved as its first `Move` bytes at once.
    template <std::size_t Move, std::size_t Size> void putBlock(const char (&block)[Size], std::size_t count)
    {
        static_assert(Move <= Size && Move <= kSlack);
        std::memcpy(m_at, block, Move);
        m_at += count;
    }

    // Exactly these bytes. Most pieces are shorter than 32 bytes, and two overlapping fixed-size moves cover them
    // without a call into the C library.
    void put(std::string_view bytes)
    {
        copyBytes(m_at, bytes.data(), bytes.size());
        m_at += bytes.size();
    }

    void put(char c) { *m_at++ = c; }

private:
    friend class engine::ByteBuffer;
    explicit PaddedCursor(char* at)
        : m_at(at)
    {
    }

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

    char* m_at;
};

} // namespace quillon::engine::detail
