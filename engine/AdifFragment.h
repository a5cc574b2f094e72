// One ADIF output field as text: "<TAG:length>data " and the rules that build it.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ContactRecord.h"
#include "engine/TextRules.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quillon::engine {

// A fragment is either empty (the field is absent) or ends with exactly one space.
using AdifFragment = ByteBuffer;

// Marks a problem in a fragment; any line that contains it goes to bad.adi.
inline constexpr std::string_view kBadMarker = "*BAD*";

// A tag name kept as the opening of its fragment, "<NAME:", in a block of sixteen bytes, so it is written with one
// fixed-size move. Tags are made from string literals when the program is compiled.
class AdifTag
{
public:
    static constexpr std::size_t kBlock = 16;

    consteval AdifTag(const char* name)
    {
        m_opening[0] = '<';
        while (name[m_size - 1] != '\0') {
            m_opening[m_size] = name[m_size - 1];
            ++m_size;
        }
        m_opening[m_size++] = ':';
        if (m_size > kBlock) {
            throw "tag name too long"; // stops the compilation
        }
    }

    // "<NAME:"
    std::string_view opening() const { return {m_opening, m_size}; }
    const char (&block() const)[kBlock] { return m_opening; }

private:
    char m_opening[kBlock] = {};
    std::size_t m_size = 1;
};

// The decimal text of a data length, without a branch for the one- and two-digit lengths that nearly every field
// has: a name of nine characters and one of ten would otherwise take different paths.
class LengthText
{
public:
    static constexpr std::size_t kRoom = 24;

    explicit LengthText(std::size_t length)
    {
        if (length < 100) [[likely]] {
            const bool twoDigits = length >= 10;
            const auto tens = static_cast<char>('0' + length / 10);
            const auto ones = static_cast<char>('0' + length % 10);
            m_digits[0] = twoDigits ? tens : ones;
            m_digits[1] = ones;
            m_size = twoDigits ? 2 : 1;
        } else {
            m_size =
                static_cast<std::size_t>(std::to_chars(m_digits, m_digits + sizeof m_digits, length).ptr - m_digits);
        }
    }
    std::size_t size() const { return m_size; }
    const char (&digits() const)[kRoom] { return m_digits; }

private:
    char m_digits[kRoom];
    std::size_t m_size;
};

// Writes "<TAG:length>", the tag name and a short length each as one block move.
[[gnu::always_inline]] inline void writeTag(detail::PaddedCursor& out, const AdifTag& tag, const LengthText& length)
{
    out.putBlock<AdifTag::kBlock>(tag.block(), tag.opening().size());
    if (length.size() <= 2) [[likely]] {
        out.putBlock<2>(length.digits(), length.size());
    } else {
        out.putBlock<LengthText::kRoom>(length.digits(), length.size());
    }
    out.put('>');
}

// The room a fragment needs for its tag, a value of `valueSize` bytes and a space.
inline std::size_t fragmentSize(const AdifTag& tag, const LengthText& length, std::size_t valueSize)
{
    return tag.opening().size() + length.size() + 1 + valueSize + 1;
}

// The tag rule: "<" + tag + ":" + byte length of value + ">" + value + " ". It runs for nearly every field of every
// record, so it is inlined and the fragment is sized once and filled with fixed-size moves where it can be.
[[gnu::always_inline]] inline void makeFragment(AdifFragment& fragment, const AdifTag& tag, const FieldText& value)
{
    const LengthText length(value.size());
    fragment.clear();
    detail::PaddedCursor out = fragment.extendPadded(fragmentSize(tag, length, value.size()));
    writeTag(out, tag, length);
    out.put(value.padded());
    out.put(' ');
}

// "<TAG:length>data" for a tag known only at run time (the header fields, the station's, a kept bad line), without
// the space the record fields end in.
std::string taggedData(std::string_view tag, std::string_view data);

// The tag rule for a field written after another in the same fragment (a SUBMODE after its MODE).
[[gnu::always_inline]] inline void appendFragment(AdifFragment& fragment, const AdifTag& tag, std::string_view value)
{
    const LengthText length(value.size());
    detail::PaddedCursor out = fragment.extendPadded(fragmentSize(tag, length, value.size()));
    writeTag(out, tag, length);
    out.put(value);
    out.put(' ');
}

// The tag rule for a value that is not a buffer of its own (a band name, the digits of a time).
inline void makeFragment(AdifFragment& fragment, const AdifTag& tag, std::string_view value)
{
    fragment.clear();
    appendFragment(fragment, tag, value);
}

// Empties the fragment and writes "<TAG:length>"; the caller appends exactly `dataLength` bytes and one space.
void startFragment(AdifFragment& fragment, const AdifTag& tag, std::size_t dataLength);

// The marked value of a failed check: "<TAG:5>*BAD* " + value + " ". The declared 5 covers "*BAD*" only, so the
// line reaches bad.adi with the offending value shown for the user to correct by hand.
void makeMarkedFragment(AdifFragment& fragment, const AdifTag& tag, std::string_view value);

// The plain rule: the field is trimmed in place; a blank field gives no fragment, anything else a tagged one.
[[gnu::always_inline]] inline void applyPlainRule(FieldText& field, const AdifTag& tag, AdifFragment& fragment)
{
    trimInPlace(field);
    if (field.empty()) {
        fragment.clear();
        return;
    }
    makeFragment(fragment, tag, field);
}

} // namespace quillon::engine
