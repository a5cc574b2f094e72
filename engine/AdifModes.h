// The modes and submodes that ADIF names, and which mode each submode belongs to.
#pragma once

#include <optional>
#include <string_view>

namespace quillon::engine {

struct AdifMode {
    std::string_view mode;    // "MFSK"
    std::string_view submode; // "FT4"; empty for a mode written alone ("CW", "FT8")
};

// What a log's MODE value is in ADIF, matched without regard to letter case: a mode, a submode with its mode, or a
// common name of a submode (BPSK31 is PSK31). None for a text that ADIF does not name.
std::optional<AdifMode> adifModeOf(std::string_view value);

} // namespace quillon::engine
