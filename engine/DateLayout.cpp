// Names of the date layouts as the user sees them.
#include "engine/DateLayout.h"

#include <array>

namespace quillon::engine {

namespace {
constexpr std::array<std::string_view, 4> kLayoutNames{"YY-MM-DD", "MM-DD-YY", "YY-DD-MM", "DD-MM-YY"};
}

std::optional<DateLayout> dateLayoutFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kLayoutNames.size(); ++i) {
        if (kLayoutNames[i] == name) {
            return static_cast<DateLayout>(i);
        }
    }
    return std::nullopt;
}

std::string_view dateLayoutName(DateLayout layout)
{
    return kLayoutNames[static_cast<std::size_t>(layout)];
}

std::string_view bandFormatName(BandFormat format)
{
    return format == BandFormat::Meters ? "meters" : "MHz";
}

} // namespace quillon::engine
