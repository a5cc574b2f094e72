// A small table from short texts to values, built when the program is compiled: each text packs into one integer
// with its length, so a lookup hashes and compares integers instead of strings.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillon::engine::detail {

// A text of up to seven bytes packs into one integer together with its length, which keeps every key non-zero.
inline constexpr std::size_t kLongestPackedKey = 7;

// The key of a text of at most kLongestPackedKey bytes.
constexpr std::uint64_t packKey(std::string_view text)
{
    std::uint64_t key = text.size();
    for (const char c : text) {
        key = key << 8 | static_cast<unsigned char>(c);
    }
    return key;
}

// The same with the ASCII letters a-z upper-cased as they are packed, for a table whose keys are upper case.
constexpr std::uint64_t packUpperCasedKey(std::string_view text)
{
    std::uint64_t key = text.size();
    for (const char c : text) {
        key = key << 8 | static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return key;
}

// The rows spread over `Slots` slots by a hash of their key, so a lookup nearly always reads one slot instead of
// scanning the rows; a collision moves a row on to the next free slot. A key not in the table finds Value{}.
template <typename Value, std::size_t Slots> class PackedKeyTable
{
public:
    static_assert(Slots >= 2 && (Slots & (Slots - 1)) == 0, "the hash picks a slot by its top bits");

    // Rows are added in order and the first row of a key wins; the table must stay at most half full, so that
    // every search soon meets a free slot. Only for tables built when the program is compiled.
    constexpr void add(std::string_view text, Value value)
    {
        if (text.empty() || text.size() > kLongestPackedKey || 2 * (m_rows + 1) > Slots) {
            throw "key too long or table too full"; // stops the compilation
        }
        const std::uint64_t key = packKey(text);
        std::size_t slot = slotOf(key);
        for (; m_slots[slot].key != 0; slot = (slot + 1) % Slots) {
            if (m_slots[slot].key == key) {
                return;
            }
        }
        m_slots[slot] = Slot{key, value};
        ++m_rows;
    }

    // `key` as packKey() makes it.
    constexpr Value find(std::uint64_t key) const
    {
        for (std::size_t slot = slotOf(key);; slot = (slot + 1) % Slots) {
            if (m_slots[slot].key == key) {
                return m_slots[slot].value;
            }
            if (m_slots[slot].key == 0) {
                return Value{};
            }
        }
    }

private:
    struct Slot {
        std::uint64_t key = 0; // 0: free
        Value value{};
    };

    static constexpr std::size_t slotOf(std::uint64_t key)
    {
        constexpr int kBits = std::countr_zero(Slots);
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15U) >> (64 - kBits));
    }

    Slot m_slots[Slots] = {};
    std::size_t m_rows = 0;
};

} // namespace quillon::engine::detail
