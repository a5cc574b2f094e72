// Names of the date layouts as the user sees them.
#include "engine/DateLayout.h"

namespace quillon::engine {

// The table is in the order of DateLayout, which the lookups by index rely on.
static_assert([] {
    for (std::size_t i = 0; i < std::size(kDateLayoutTable); ++i) {
        if (kDateLayoutTable[i].layout != static_cast<DateLayout>(i) ||
            kAllDateLayouts[i] != kDateLayoutTable[i].layout) {
            return false;
        }
    }
    return std::size(kAllDateLayouts) == std::size(kDateLayoutTable);
}());

std::optional<DateLayout> dateLayoutFromName(std::string_view name)
{
    for (const DateLayoutFacts& facts : kDateLayoutTable) {
        if (facts.name == name) {
            return facts.layout;
        }
    }
    return std::nullopt;
}

std::string_view bandFormatName(BandFormat format)
{
    return format == BandFormat::Meters ? "meters" : "MHz";
}

} // namespace quillon::engine
