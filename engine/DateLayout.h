// The four layouts of the two-digit-year dates in log.asc, and the two ways the band column is written.
#pragma once

#include "engine/AdifVersion.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillon::engine {

enum class DateLayout { YyMmDd, MmDdYy, YyDdMm, DdMmYy };

// Which of a date's three pieces (0, 1 or 2) holds the year, the month and the day.
struct PieceOrder {
    std::size_t year;
    std::size_t month;
    std::size_t day;
};

// Everything a layout is: its name as the user sees it (in messages, on the command line and as the label of its
// option in the window) and where its pieces stand. A new layout is one row here, in the order of DateLayout.
struct DateLayoutFacts {
    DateLayout layout;
    std::string_view name;
    PieceOrder order;
};
inline constexpr DateLayoutFacts kDateLayoutTable[] = {
    {DateLayout::YyMmDd, "YY-MM-DD", {0, 1, 2}},
    {DateLayout::MmDdYy, "MM-DD-YY", {2, 0, 1}},
    {DateLayout::YyDdMm, "YY-DD-MM", {0, 2, 1}},
    {DateLayout::DdMmYy, "DD-MM-YY", {2, 1, 0}},
};
inline constexpr DateLayout kAllDateLayouts[] = {DateLayout::YyMmDd, DateLayout::MmDdYy, DateLayout::YyDdMm,
                                                 DateLayout::DdMmYy};

constexpr const DateLayoutFacts& factsOf(DateLayout layout)
{
    return kDateLayoutTable[static_cast<std::size_t>(layout)];
}

enum class BandFormat { Meters, Mhz };
inline constexpr BandFormat kAllBandFormats[] = {BandFormat::Meters, BandFormat::Mhz};

// The layout the user names "YY-MM-DD", "MM-DD-YY", "YY-DD-MM" or "DD-MM-YY".
std::optional<DateLayout> dateLayoutFromName(std::string_view name);
constexpr std::string_view dateLayoutName(DateLayout layout)
{
    return factsOf(layout).name;
}

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

// The same layout and band format for every record, where no user changes them during a run: reading back the
// bad contacts, the tests, the benchmarks.
class FixedFormats : public FormatSource
{
public:
    FixedFormats(DateLayout layout, BandFormat format)
        : m_layout(layout)
        , m_format(format)
    {
    }
    DateLayout dateLayout() const override { return m_layout; }
    BandFormat bandFormat() const override { return m_format; }

private:
    DateLayout m_layout;
    BandFormat m_format;
};

} // namespace quillon::engine
