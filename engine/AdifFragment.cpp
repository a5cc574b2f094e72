// Fragments with a computed tag and the marked fragments of failed checks.
#include "engine/AdifFragment.h"

namespace quillon::engine {

void startFragment(AdifFragment& fragment, const AdifTag& tag, std::size_t dataLength)
{
    const LengthText length(dataLength);
    fragment.clear();
    writeTag(fragment.extend(tag.opening().size() + length.size() + 1), tag, length);
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

} // namespace quillon::engine
