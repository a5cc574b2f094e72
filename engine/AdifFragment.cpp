// The tag rule and the plain rule.
#include "engine/AdifFragment.h"

#include "engine/TextRules.h"

#include <charconv>
#include <cstring>

namespace quillon::engine {

namespace {

// Writes "<TAG:length>" at `out` and returns the position after it. The tag rule runs for nearly every field of
// every record, so the fragment is sized once and filled with plain copies.
char* writeTag(char* out, std::string_view tag, std::string_view digits)
{
    *out++ = '<';
    ByteBuffer::copyBytes(out, tag.data(), tag.size());
    out += tag.size();
    *out++ = ':';
    ByteBuffer::copyBytes(out, digits.data(), digits.size());
    out += digits.size();
    *out++ = '>';
    return out;
}

struct LengthText {
    char digits[24];
    std::size_t size;

    explicit LengthText(std::size_t length)
    {
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, length);
        (void)ec; // a size_t always fits in 24 digits
        size = static_cast<std::size_t>(end - digits);
    }
    std::string_view text() const { return {digits, size}; }
};

} // namespace

void startFragment(AdifFragment& fragment, std::string_view tag, std::size_t dataLength)
{
    const LengthText length(dataLength);
    fragment.clear();
    writeTag(fragment.extend(tag.size() + length.size + 3), tag, length.text());
}

void makeFragment(AdifFragment& fragment, std::string_view tag, std::string_view value)
{
    const LengthText length(value.size());
    fragment.clear();
    char* out = writeTag(fragment.extend(tag.size() + length.size + value.size() + 4), tag, length.text());
    ByteBuffer::copyBytes(out, value.data(), value.size());
    out[value.size()] = ' ';
}

void makeMarkedFragment(AdifFragment& fragment, std::string_view tag, std::string_view value)
{
    fragment.clear();
    fragment += '<';
    fragment += tag;
    fragment += ":5>";
    fragment += kBadMarker;
    fragment += ' ';
    fragment += value;
    fragment += ' ';
}

void applyPlainRule(FieldText& field, std::string_view tag, AdifFragment& fragment)
{
    trimInPlace(field);
    if (field.empty()) {
        fragment.clear();
        return;
    }
    makeFragment(fragment, tag, field);
}

} // namespace quillon::engine
