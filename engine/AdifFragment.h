// One ADIF output field as text: "<TAG:length>data " and the rules that build it.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ContactRecord.h"
#include "engine/TextRules.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::engine {

// A fragment is either empty (the field is absent) or ends with exactly one space.
using AdifFragment = ByteBuffer;

// Marks a problem in a fragment; any line that contains it goes to bad.adi.
inline constexpr std::string_view kBadMarker = "*BAD*";

// The decimal text of a data length. Nearly every length has one or two digits, which are written directly.
class LengthText
{
public:
    explicit LengthText(std::size_t length)
    {
        if (length < 10) {
            m_digits[0] = static_cast<char>('0' + length);
            m_size = 1;
        } else if (length < 100) {
            m_digits[0] = static_cast<char>('0' + length / 10);
            m_digits[1] = static_cast<char>('0' + length % 10);
            m_size = 2;
        } else {
            m_size =
                static_cast<std::size_t>(std::to_chars(m_digits, m_digits + sizeof m_digits, length).ptr - m_digits);
        }
    }
    std::size_t size() const { return m_size; }
    const char* data() const { return m_digits; }

private:
    char m_digits[24];
    std::size_t m_size;
};

// Writes "<TAG:length>" at `out` and returns the position after it.
inline char* writeTag(char* out, std::string_view tag, const LengthText& length)
{
    *out++ = '<';
    ByteBuffer::copyBytes(out, tag.data(), tag.size());
    out += tag.size();
    *out++ = ':';
    out = std::copy_n(length.data(), length.size(), out);
    *out++ = '>';
    return out;
}

// The tag rule: "<" + tag + ":" + byte length of value + ">" + value + " ". It runs for nearly every field of every
// record, so it is inlined where the tag is known and the fragment is sized once and filled with plain copies.
inline void makeFragment(AdifFragment& fragment, std::string_view tag, std::string_view value)
{
    const LengthText length(value.size());
    fragment.clear();
    char* out = writeTag(fragment.extend(tag.size() + length.size() + value.size() + 4), tag, length);
    ByteBuffer::copyBytes(out, value.data(), value.size());
    out[value.size()] = ' ';
}

// Empties the fragment and writes "<TAG:length>"; the caller appends exactly `dataLength` bytes and one space.
void startFragment(AdifFragment& fragment, std::string_view tag, std::size_t dataLength);

// The marked value of a failed check: "<TAG:5>*BAD* " + value + " ". The declared 5 covers "*BAD*" only, so the
// line reaches bad.adi with the offending value shown for the user to correct by hand.
void makeMarkedFragment(AdifFragment& fragment, std::string_view tag, std::string_view value);

// The plain rule: the field is trimmed in place; a blank field gives no fragment, anything else a tagged one.
inline void applyPlainRule(FieldText& field, std::string_view tag, AdifFragment& fragment)
{
    trimInPlace(field);
    if (field.empty()) {
        fragment.clear();
        return;
    }
    makeFragment(fragment, tag, field);
}

} // namespace quillon::engine
