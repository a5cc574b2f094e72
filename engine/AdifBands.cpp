// The ADIF band list as data: each band's name and its lower and upper edge in MHz.
#include "engine/AdifBands.h"

#include <cctype>
#include <charconv>

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

bool sameUpperCased(std::string_view text, std::string_view upper)
{
    if (text.size() != upper.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != upper[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const AdifBand> adifBands()
{
    return kBands;
}

const AdifBand* adifBandNamed(std::string_view name)
{
    for (const AdifBand& band : kBands) {
        if (sameUpperCased(name, band.name)) {
            return &band;
        }
    }
    return nullptr;
}

const AdifBand* adifBandHolding(double mhz)
{
    for (const AdifBand& band : kBands) {
        if (band.holds(mhz)) {
            return &band;
        }
    }
    return nullptr;
}

std::optional<double> frequencyOf(std::string_view text)
{
    std::size_t digits = 0;
    std::size_t points = 0;
    for (const char c : text) {
        digits += c >= '0' && c <= '9' ? 1 : 0;
        points += c == '.' ? 1 : 0;
    }
    if (digits == 0 || points > 1 || digits + points != text.size()) {
        return std::nullopt;
    }
    double mhz = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mhz, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return mhz;
}

} // namespace quillon::engine
