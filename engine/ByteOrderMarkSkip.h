// A byte source less a UTF-8 byte-order mark at its very start, which editors on Windows put before the first
// contact.
#pragma once

#include "engine/ByteSource.h"

#include <cstddef>

namespace quillon::engine {

class ByteOrderMarkSkip : public ByteSource
{
public:
    explicit ByteOrderMarkSkip(ByteSource& source)
        : m_source(source)
    {
    }

    long read(char* buffer, std::size_t size) override;

private:
    ByteSource& m_source;
    // The first bytes, held back until it is known whether they are the mark.
    char m_head[3] = {};
    std::size_t m_headSize = 0;
    std::size_t m_headTaken = 0;
    bool m_headRead = false;
};

} // namespace quillon::engine
