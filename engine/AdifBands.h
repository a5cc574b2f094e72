// The bands that ADIF names, with the edges of each in MHz.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quillon::engine {

struct AdifBand {
    std::string_view name; // upper-cased, as written: "20M", "1.25M", "70CM"
    double lowerMhz;       // both edges belong to the band
    double upperMhz;

    bool holds(double mhz) const { return mhz >= lowerMhz && mhz <= upperMhz; }
};

// Every band of the ADIF band list, longest wavelength first.
std::span<const AdifBand> adifBands();

// The band of that name, matched without regard to letter case; none for another text.
const AdifBand* adifBandNamed(std::string_view name);

// The band whose edges hold the frequency; none outside every band.
const AdifBand* adifBandHolding(double mhz);

// A frequency written as ADIF's numbers are, digits with at most one decimal point ("14.025", ".5", "7"); none
// for any other text, a sign, an exponent or a comma included.
std::optional<double> frequencyOf(std::string_view text);

} // namespace quillon::engine
