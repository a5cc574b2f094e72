// BAND conversion.
#include "engine/BandConverter.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/PackedKeyTable.h"
#include "engine/TextRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillon::engine {

namespace {

// Every band text in the tables is at most four characters long.
constexpr std::size_t kLongestKey = 4;

struct BandRow {
    std::string_view input;
    std::string_view name;
};

// Wavelengths, matched exactly against the upper-cased value. 75 m is the phone part of the 80 m band.
constexpr BandRow kMetersRows[] = {
    {"6", "6M"},      {"6M", "6M"},   {"10", "10M"},  {"10M", "10M"}, {"12", "12M"},    {"12M", "12M"}, {"15", "15M"},
    {"15M", "15M"},   {"17", "17M"},  {"17M", "17M"}, {"20", "20M"},  {"20M", "20M"},   {"30", "30M"},  {"30M", "30M"},
    {"40", "40M"},    {"40M", "40M"}, {"80", "80M"},  {"75", "80M"},  {"80M", "80M"},   {"75M", "80M"}, {"160", "160M"},
    {"160M", "160M"}, {"2", "2M"},    {"2M", "2M"},   {"70", "70CM"}, {"70CM", "70CM"},
};

// Whole MHz, matched exactly against the value cut at its decimal point.
constexpr BandRow kMhzRows[] = {
    {"50", "6M"},  {"51", "6M"},  {"52", "6M"},  {"53", "6M"},  {"28", "10M"}, {"29", "10M"},
    {"24", "12M"}, {"21", "15M"}, {"18", "17M"}, {"14", "20M"}, {"10", "30M"}, {"7", "40M"},
    {"3", "80M"},  {"1", "160M"}, {"144", "2M"}, {"145", "2M"}, {"146", "2M"}, {"147", "2M"},
};

// Each table is built when the program is compiled; at most half full, a lookup nearly always reads one slot.
using BandTable = detail::PackedKeyTable<std::string_view, 64>;

template <std::size_t N> consteval BandTable bandTable(const BandRow (&rows)[N])
{
    BandTable table;
    for (const BandRow& row : rows) {
        table.add(row.input, row.name);
    }
    return table;
}

constexpr BandTable kMetersTable = bandTable(kMetersRows);
constexpr BandTable kMhzTable = bandTable(kMhzRows);

// A text longer than every key is no band; the others are looked up as they are.
std::string_view findBand(const BandTable& table, std::string_view input)
{
    if (input.empty() || input.size() > kLongestKey) {
        return {};
    }
    return table.find(detail::packKey(input));
}

// The 70 cm band spans 420 to 450 MHz. The whole-MHz text must be digits only and is compared as a number, so
// "0432" is in the band while "44" and "4205" are not.
bool isSeventyCentimetres(std::string_view wholeMhz)
{
    while (!wholeMhz.empty() && wholeMhz.front() == '0') {
        wholeMhz.remove_prefix(1);
    }
    if (wholeMhz.size() != 3 || !isAllAsciiDigits(wholeMhz)) {
        return false;
    }
    const int mhz = asciiDigitsValue(wholeMhz);
    return mhz >= 420 && mhz <= 450;
}

// Wavelengths are matched upper-cased, packed as they are upper-cased; none in the table is longer than four
// characters.
std::string_view metersBandName(std::string_view band)
{
    if (band.empty() || band.size() > kLongestKey) {
        return {};
    }
    return kMetersTable.find(detail::packUpperCasedKey(band));
}

// MHz values are cut at their first decimal point (".5" leaves nothing) and are not upper-cased.
std::string_view mhzBandName(std::string_view band)
{
    std::size_t whole = 0;
    while (whole < band.size() && band[whole] != '.') {
        ++whole;
    }
    band = band.substr(0, whole);
    const std::string_view name = findBand(kMhzTable, band);
    if (!name.empty()) {
        return name;
    }
    return isSeventyCentimetres(band) ? "70CM" : std::string_view{};
}

// Unlike the other checks, a band problem is ordinary band data, "*BAD* " + value + " ", and its length counts
// all of it; the fragment therefore ends in two spaces.
void makeBandProblemFragment(AdifFragment& fragment, std::string_view band)
{
    startFragment(fragment, "BAND", kBadMarker.size() + band.size() + 2);
    fragment += kBadMarker;
    fragment += ' ';
    fragment += band;
    fragment += "  ";
}

} // namespace

std::string_view bandNameOf(std::string_view band, BandFormat format)
{
    return format == BandFormat::Meters ? metersBandName(band) : mhzBandName(band);
}

BandFormat otherFormat(BandFormat format)
{
    return format == BandFormat::Meters ? BandFormat::Mhz : BandFormat::Meters;
}

void BandTally::add(BandFormat format, bool known, bool knownInOther)
{
    ++m_bands;
    m_unknown[static_cast<std::size_t>(format)] += known ? 0 : 1;
    m_unknown[static_cast<std::size_t>(otherFormat(format))] += knownInOther ? 0 : 1;
    m_unknownInBoth += known || knownInOther ? 0 : 1;
}

void BandTally::add(std::string_view band)
{
    add(BandFormat::Meters, !bandNameOf(band, BandFormat::Meters).empty(), !bandNameOf(band, BandFormat::Mhz).empty());
}

// The field keeps the value as it was looked up: upper-cased in meters, cut at its point in MHz.
void convertBand(FieldText& band, BandFormat format, AdifFragment& fragment, BandTally* tally)
{
    trimInPlace(band);
    if (band.empty()) { // a missing band is not a problem
        fragment.clear();
        return;
    }
    // The other format reads the value as written, before this one upper-cases or cuts it.
    const bool knownInOther = tally != nullptr && !bandNameOf(band, otherFormat(format)).empty();
    std::string_view name;
    if (format == BandFormat::Meters) {
        upperCaseInPlace(band);
        name = findBand(kMetersTable, band.view());
    } else {
        if (const auto point = band.view().find('.'); point != std::string_view::npos) {
            band.truncate(point);
        }
        name = mhzBandName(band);
    }
    if (tally != nullptr) {
        tally->add(format, !name.empty(), knownInOther);
    }
    if (name.empty()) {
        makeBandProblemFragment(fragment, band);
        return;
    }
    makeFragment(fragment, "BAND", name);
}

} // namespace quillon::engine
