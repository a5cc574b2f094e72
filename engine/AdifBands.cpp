// The ADIF band list as data: each band's name and its lower and upper edge in MHz.
#include "engine/AdifBands.h"

#include "engine/PackedKeyTable.h"

#include <charconv>
#include <cstdint>
#include <iterator>

namespace quillon::engine {

namespace {

constexpr AdifBand kBands[] = {
    {"2190M", 0.1357, 0.1378},   {"630M", 0.472, 0.479},      {"560M", 0.501, 0.504},
    {"160M", 1.8, 2.0},          {"80M", 3.5, 4.0},           {"60M", 5.06, 5.45},
    {"40M", 7.0, 7.3},           {"30M", 10.1, 10.15},        {"20M", 14.0, 14.35},
    {"17M", 18.068, 18.168},     {"15M", 21.0, 21.45},        {"12M", 24.89, 24.99},
    {"10M", 28.0, 29.7},         {"8M", 40.0, 45.0},          {"6M", 50.0, 54.0},
    {"5M", 54.000001, 69.9},     {"4M", 70.0, 71.0},          {"2M", 144.0, 148.0},
    {"1.25M", 222.0, 225.0},     {"70CM", 420.0, 450.0},      {"33CM", 902.0, 928.0},
    {"23CM", 1240.0, 1300.0},    {"13CM", 2300.0, 2450.0},    {"9CM", 3300.0, 3500.0},
    {"6CM", 5650.0, 5925.0},     {"3CM", 10000.0, 10500.0},   {"1.25CM", 24000.0, 24250.0},
    {"6MM", 47000.0, 47200.0},   {"4MM", 75500.0, 81000.0},   {"2.5MM", 119980.0, 123000.0},
    {"2MM", 134000.0, 149000.0}, {"1MM", 241000.0, 250000.0}, {"SUBMM", 300000.0, 7500000.0},
};

// The bands ascend by frequency without overlapping, so the search for a frequency stops at the first band above it.
consteval bool ascendsByFrequency()
{
    for (std::size_t i = 0; i < std::size(kBands); ++i) {
        const bool ordered = i == 0 || kBands[i - 1].upperMhz < kBands[i].lowerMhz;
        if (!ordered || kBands[i].lowerMhz > kBands[i].upperMhz) {
            return false;
        }
    }
    return true;
}
static_assert(ascendsByFrequency());

// The names, found by their upper-cased text; the longest, "1.25CM", packs into one key.
constexpr auto kNamedBands = [] {
    detail::PackedKeyTable<const AdifBand*, 128> table;
    for (const AdifBand& band : kBands) {
        table.add(band.name, &band);
    }
    return table;
}();

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A number read as its digits without the point, a whole number of units, and the count of digits after the point.
struct DecimalDigits {
    std::uint64_t units = 0;
    std::size_t digits = 0;
    std::size_t decimals = 0;
};

// Digits with at most one point, at least one of them a digit; none for any other text. The units of more than 15
// digits are not used, so they may overflow.
std::optional<DecimalDigits> decimalDigitsOf(std::string_view text)
{
    DecimalDigits number;
    bool point = false;
    for (const char c : text) {
        const auto digit = static_cast<unsigned char>(c - '0');
        if (digit <= 9) {
            number.units = number.units * 10 + digit;
            number.decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    number.digits = text.size() - (point ? 1 : 0);
    if (number.digits == 0) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::span<const AdifBand> adifBands()
{
    return kBands;
}

const AdifBand* adifBandNamed(std::string_view name)
{
    if (name.empty() || name.size() > detail::kLongestPackedKey) {
        return nullptr;
    }
    return kNamedBands.find(detail::packUpperCasedKey(name));
}

const AdifBand* adifBandHolding(double mhz)
{
    for (const AdifBand& band : kBands) {
        if (mhz < band.lowerMhz) {
            return nullptr;
        }
        if (mhz <= band.upperMhz) {
            return &band;
        }
    }
    return nullptr;
}

// Up to 15 digits, the units are below 2^53; when both they and the power of ten are exact doubles, one division
// rounds the quotient exactly as a full decimal reading would.
std::optional<double> frequencyOf(std::string_view text)
{
    const auto number = decimalDigitsOf(text);
    if (!number) {
        return std::nullopt;
    }
    if (number->digits <= 15 && number->decimals < std::size(kExactPowersOfTen)) {
        return static_cast<double>(number->units) / kExactPowersOfTen[number->decimals];
    }
    double mhz = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mhz, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return mhz;
}

} // namespace quillon::engine
