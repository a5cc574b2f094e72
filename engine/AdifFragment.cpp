// Fragments with a computed tag and the marked fragments of failed checks.
#include "engine/AdifFragment.h"

namespace quillon::engine {

void startFragment(AdifFragment& fragment, std::string_view tag, std::size_t dataLength)
{
    const LengthText length(dataLength);
    fragment.clear();
    writeTag(fragment.extend(tag.size() + length.size() + 3), tag, length);
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

} // namespace quillon::engine
