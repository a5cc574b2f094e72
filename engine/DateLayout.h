// The four layouts of the two-digit-year dates in log.asc, and the two ways the band column is written.
#pragma once

#include "engine/AdifVersion.h"

#include <optional>
#include <string_view>

namespace quillon::engine {

enum class DateLayout { YyMmDd, MmDdYy, YyDdMm, DdMmYy };
inline constexpr DateLayout kAllDateLayouts[] = {DateLayout::YyMmDd, DateLayout::MmDdYy, DateLayout::YyDdMm,
                                                 DateLayout::DdMmYy};

enum class BandFormat { Meters, Mhz };
inline constexpr BandFormat kAllBandFormats[] = {BandFormat::Meters, BandFormat::Mhz};

// The layout the user names "YY-MM-DD", "MM-DD-YY", "YY-DD-MM" or "DD-MM-YY".
std::optional<DateLayout> dateLayoutFromName(std::string_view name);
std::string_view dateLayoutName(DateLayout layout);

// "meters" or "MHz", as messages name the band formats.
std::string_view bandFormatName(BandFormat format);

// Where the run learns the user's current choices. It is asked afresh for every record, so a change made
// while a run is going applies from the next record.
class FormatSource
{
public:
    virtual ~FormatSource() = default;
    virtual DateLayout dateLayout() const = 0;
    virtual BandFormat bandFormat() const = 0;
    // The output and its options are asked once, when a run opens its files: the header depends on them.
    virtual AdifVersion adifVersion() const { return AdifVersion::Classic; }
    virtual Adif3Options adif3Options() const { return {}; }
};

} // namespace quillon::engine
