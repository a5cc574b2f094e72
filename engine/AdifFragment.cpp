// The tag rule and the plain rule.
#include "engine/AdifFragment.h"

#include "engine/TextRules.h"

#include <charconv>

namespace quillon::engine {

void startFragment(AdifFragment& fragment, std::string_view tag, std::size_t dataLength)
{
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, dataLength);
    (void)ec; // a size_t always fits in 24 digits

    fragment.clear();
    fragment += '<';
    fragment += tag;
    fragment += ':';
    fragment.append(digits, end);
    fragment += '>';
}

void makeFragment(AdifFragment& fragment, std::string_view tag, std::string_view value)
{
    startFragment(fragment, tag, value.size());
    fragment += value;
    fragment += ' ';
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

void applyPlainRule(std::string& field, std::string_view tag, AdifFragment& fragment)
{
    trimInPlace(field);
    if (field.empty()) {
        fragment.clear();
        return;
    }
    makeFragment(fragment, tag, field);
}

} // namespace quillon::engine
