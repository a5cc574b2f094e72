// Where the reader gets its bytes from: a file in the program, a string or a failing stub in the tests.
#pragma once

#include <cstddef>

namespace quillon::engine {

class ByteSource
{
public:
    virtual ~ByteSource() = default;

    // Reads up to `size` bytes into `buffer`. Returns how many were read, 0 at the end of the input, or a
    // negative number when the input could not be read.
    virtual long read(char* buffer, std::size_t size) = 0;
};

} // namespace quillon::engine
