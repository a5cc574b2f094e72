// A ByteSource over a string that hands out at most a few bytes per read, so every buffer boundary is crossed.
#pragma once

#include "engine/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace quillon::tests {

class StringSource : public engine::ByteSource
{
public:
    // After `failAfter` bytes the source reports a read error instead of more bytes.
    explicit StringSource(std::string bytes, std::size_t chunk = 1 << 20, std::size_t failAfter = std::string::npos)
        : m_bytes(std::move(bytes))
        , m_chunk(chunk)
        , m_failAfter(failAfter)
    {
    }

    long read(char* buffer, std::size_t size) override
    {
        if (m_pos >= m_failAfter) {
            return -1;
        }
        const std::size_t limit = std::min({size, m_chunk, m_bytes.size() - m_pos, m_failAfter - m_pos});
        std::memcpy(buffer, m_bytes.data() + m_pos, limit);
        m_pos += limit;
        return static_cast<long>(limit);
    }

private:
    std::string m_bytes;
    std::size_t m_chunk;
    std::size_t m_failAfter;
    std::size_t m_pos = 0;
};

} // namespace quillon::tests
