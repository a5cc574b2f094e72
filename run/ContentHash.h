// A 64-bit fingerprint of a file's bytes, taken as they are written or read, to tell a changed output file from
// the one a run wrote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::run {

// Thirty-two bytes a step, in four lanes, so that a run pays little for it: this tells an edited file from the
// written one (any change of a byte, at any length, changes the fingerprint but for a chance of one in 2^64), and
// is no defence against someone who sets out to forge one. The bytes may come in pieces of any size.
class ContentHash
{
public:
    void add(std::string_view bytes);
    std::uint64_t size() const { return m_size; }
    std::uint64_t digest() const;

private:
    static constexpr std::size_t kBlockSize = 32;
    void addBlock(const unsigned char* block);

    std::uint64_t m_lanes[4] = {0x6a09e667f3bcc908ULL, 0xbb67ae8584caa73bULL, 0x3c6ef372fe94f82bULL,
                                0xa54ff53a5f1d36f1ULL};
    std::uint64_t m_size = 0;
    unsigned char m_tail[kBlockSize] = {};
    std::size_t m_tailSize = 0;
};

// "00000000075bcd15": a digest as 16 hexadecimal digits.
std::string hexText(std::uint64_t value);

} // namespace quillon::run
