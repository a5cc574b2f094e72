// The fingerprint: four lanes each mix every fourth 64-bit word into their state with a multiply and a rotation,
// so that the processor works on four words at once; the last bytes, the length and the four lanes go into a
// final mix, so that every bit of the input reaches every bit of the digest.
#include "run/ContentHash.h"

#include <bit>
#include <cstring>

namespace quillon::run {

namespace {

constexpr std::uint64_t kWordFactor = 0x9e3779b97f4a7c15ULL;
constexpr std::uint64_t kStateFactor = 0xc2b2ae3d27d4eb4fULL;

std::uint64_t mixed(std::uint64_t state, std::uint64_t word)
{
    return std::rotl(state ^ (word * kWordFactor), 31) * kStateFactor;
}

std::uint64_t finalMix(std::uint64_t value)
{
    value ^= value >> 30;
    value *= 0xbf58476d1ce4e5b9ULL;
    value ^= value >> 27;
    value *= 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// The same number from the same bytes on every machine, whatever its byte order.
std::uint64_t littleEndianWord(const unsigned char* bytes)
{
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i) {
        word = (word << 8) | bytes[i];
    }
    return word;
}

} // namespace

void ContentHash::addBlock(const unsigned char* block)
{
    for (std::size_t lane = 0; lane < 4; ++lane) {
        m_lanes[lane] = mixed(m_lanes[lane], littleEndianWord(block + 8 * lane));
    }
}

void ContentHash::add(std::string_view bytes)
{
    m_size += bytes.size();
    const auto* next = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    if (m_tailSize > 0) {
        const std::size_t taken = std::min(left, kBlockSize - m_tailSize);
        std::memcpy(m_tail + m_tailSize, next, taken);
        m_tailSize += taken;
        next += taken;
        left -= taken;
        if (m_tailSize < kBlockSize) {
            return;
        }
        addBlock(m_tail);
        m_tailSize = 0;
    }
    for (; left >= kBlockSize; next += kBlockSize, left -= kBlockSize) {
        addBlock(next);
    }
    std::memcpy(m_tail, next, left);
    m_tailSize = left;
}

std::uint64_t ContentHash::digest() const
{
    unsigned char last[kBlockSize] = {};
    std::memcpy(last, m_tail, m_tailSize);
    std::uint64_t state = finalMix(m_size);
    for (std::size_t lane = 0; lane < 4; ++lane) {
        state = mixed(state, finalMix(mixed(m_lanes[lane], littleEndianWord(last + 8 * lane))));
    }
    return finalMix(state);
}

std::string hexText(std::uint64_t value)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (std::size_t i = 16; i-- > 0; value >>= 4) {
        text[i] = kHex[value & 15];
    }
    return text;
}

} // namespace quillon::run
