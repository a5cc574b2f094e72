// Fragments with a computed tag and the marked fragments of failed checks.
#include "engine/AdifFragment.h"

namespace quillon::engine {

void startFragment(AdifFragment& fragment, const AdifTag& tag, std::size_t dataLength)
{
    const LengthText length(dataLength);
    fragment.clear();
    detail::PaddedCursor out = fragment.extendPadded(tag.opening().size() + length.size() + 1);
    writeTag(out, tag, length);
}

void makeMarkedFragment(AdifFragment& fragment, const AdifTag& tag, std::string_view value)
{
    fragment.clear();
    fragment += tag.opening();
    fragment += "5>";
    fragment += kBadMarker;
    fragment += ' ';
    fragment += value;
    fragment += ' ';
}

// Appended piece by piece: GCC 12 warns falsely about a string put in front of another.
std::string taggedData(std::string_view tag, std::string_view data)
{
    std::string field(1, '<');
    field += tag;
    field += ':';
    field += std::to_string(data.size());
    field += '>';
    field += data;
    return field;
}

} // namespace quillon::engine
