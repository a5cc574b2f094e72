// The ADIF mode list as data: every mode, and every submode under the mode it belongs to.
#include "engine/AdifModes.h"

#include <algorithm>
#include <unordered_map>

namespace quillon::engine {

namespace {

constexpr std::string_view kModes[] = {
    "AM",   "ARDOP", "ATV",  "CHIP",   "CLO",   "CONTESTI", "CW",    "DIGITALVOICE", "DOMINO", "DYNAMIC",
    "FAX",  "FM",    "FSK",  "FSK441", "FT8",   "HELL",     "ISCAT", "JT4",          "JT6M",   "JT9",
    "JT44", "JT65",  "MFSK", "MSK144", "MTONE", "MT63",     "OFDM",  "OLIVIA",       "OPERA",  "PAC",
    "PAX",  "PKT",   "PSK",  "PSK2K",  "Q15",   "QRA64",    "ROS",   "RTTY",         "RTTYM",  "SSB",
    "SSTV", "T10",   "THOR", "THRB",   "TOR",   "V4",       "VOI",   "WINMOR",       "WSPR",
};

// Submodes, each under its mode. Several were modes of their own in older versions of ADIF (PSK31, C4FM); as
// submodes they are what today's readers take.
constexpr AdifMode kSubmodes[] = {
    {"CHIP", "CHIP64"},
    {"CHIP", "CHIP128"},
    {"CW", "PCW"},
    {"DIGITALVOICE", "C4FM"},
    {"DIGITALVOICE", "DMR"},
    {"DIGITALVOICE", "DSTAR"},
    {"DIGITALVOICE", "FREEDV"},
    {"DIGITALVOICE", "M17"},
    {"DOMINO", "DOM-M"},
    {"DOMINO", "DOM4"},
    {"DOMINO", "DOM5"},
    {"DOMINO", "DOM8"},
    {"DOMINO", "DOM11"},
    {"DOMINO", "DOM16"},
    {"DOMINO", "DOM22"},
    {"DOMINO", "DOM44"},
    {"DOMINO", "DOM88"},
    {"DOMINO", "DOMINOEX"},
    {"DOMINO", "DOMINOF"},
    {"DYNAMIC", "VARA HF"},
    {"DYNAMIC", "VARA SATELLITE"},
    {"DYNAMIC", "VARA FM 1200"},
    {"DYNAMIC", "VARA FM 9600"},
    {"FSK", "SCAMP_FAST"},
    {"FSK", "SCAMP_SLOW"},
    {"FSK", "SCAMP_VSLOW"},
    {"HELL", "FMHELL"},
    {"HELL", "FSKH105"},
    {"HELL", "FSKH245"},
    {"HELL", "FSKHELL"},
    {"HELL", "HELL80"},
    {"HELL", "HELLX5"},
    {"HELL", "HELLX9"},
    {"HELL", "HFSK"},
    {"HELL", "PSKHELL"},
    {"HELL", "SLOWHELL"},
    {"ISCAT", "ISCAT-A"},
    {"ISCAT", "ISCAT-B"},
    {"JT4", "JT4A"},
    {"JT4", "JT4B"},
    {"JT4", "JT4C"},
    {"JT4", "JT4D"},
    {"JT4", "JT4E"},
    {"JT4", "JT4F"},
    {"JT4", "JT4G"},
    {"JT9", "JT9-1"},
    {"JT9", "JT9-2"},
    {"JT9", "JT9-5"},
    {"JT9", "JT9-10"},
    {"JT9", "JT9-30"},
    {"JT9", "JT9A"},
    {"JT9", "JT9B"},
    {"JT9", "JT9C"},
    {"JT9", "JT9D"},
    {"JT9", "JT9E"},
    {"JT9", "JT9E FAST"},
    {"JT9", "JT9F"},
    {"JT9", "JT9F FAST"},
    {"JT9", "JT9G"},
    {"JT9", "JT9G FAST"},
    {"JT9", "JT9H"},
    {"JT9", "JT9H FAST"},
    {"JT65", "JT65A"},
    {"JT65", "JT65B"},
    {"JT65", "JT65B2"},
    {"JT65", "JT65C"},
    {"JT65", "JT65C2"},
    {"MFSK", "FSQCALL"},
    {"MFSK", "FST4"},
    {"MFSK", "FST4W"},
    {"MFSK", "FT4"},
    {"MFSK", "JS8"},
    {"MFSK", "JTMS"},
    {"MFSK", "MFSK4"},
    {"MFSK", "MFSK8"},
    {"MFSK", "MFSK11"},
    {"MFSK", "MFSK16"},
    {"MFSK", "MFSK22"},
    {"MFSK", "MFSK31"},
    {"MFSK", "MFSK32"},
    {"MFSK", "MFSK64"},
    {"MFSK", "MFSK64L"},
    {"MFSK", "MFSK128"},
    {"MFSK", "MFSK128L"},
    {"MFSK", "Q65"},
    {"MTONE", "SCAMP_OO"},
    {"MTONE", "SCAMP_OO_SLW"},
    {"OLIVIA", "OLIVIA 4/125"},
    {"OLIVIA", "OLIVIA 4/250"},
    {"OLIVIA", "OLIVIA 8/250"},
    {"OLIVIA", "OLIVIA 8/500"},
    {"OLIVIA", "OLIVIA 16/500"},
    {"OLIVIA", "OLIVIA 16/1000"},
    {"OLIVIA", "OLIVIA 32/1000"},
    {"OPERA", "OPERA-BEACON"},
    {"OPERA", "OPERA-QSO"},
    {"PAC", "PAC2"},
    {"PAC", "PAC3"},
    {"PAC", "PAC4"},
    {"PAX", "PAX2"},
    {"PSK", "8PSK125"},
    {"PSK", "8PSK125F"},
    {"PSK", "8PSK125FL"},
    {"PSK", "8PSK250"},
    {"PSK", "8PSK250F"},
    {"PSK", "8PSK250FL"},
    {"PSK", "8PSK500"},
    {"PSK", "8PSK500F"},
    {"PSK", "8PSK1000"},
    {"PSK", "8PSK1000F"},
    {"PSK", "8PSK1200F"},
    {"PSK", "FSK31"},
    {"PSK", "PSK10"},
    {"PSK", "PSK31"},
    {"PSK", "PSK63"},
    {"PSK", "PSK63F"},
    {"PSK", "PSK63RC4"},
    {"PSK", "PSK63RC5"},
    {"PSK", "PSK63RC10"},
    {"PSK", "PSK63RC20"},
    {"PSK", "PSK63RC32"},
    {"PSK", "PSK125"},
    {"PSK", "PSK125RC4"},
    {"PSK", "PSK125RC5"},
    {"PSK", "PSK125RC10"},
    {"PSK", "PSK125RC12"},
    {"PSK", "PSK125RC16"},
    {"PSK", "PSK250"},
    {"PSK", "PSK250RC2"},
    {"PSK", "PSK250RC3"},
    {"PSK", "PSK250RC5"},
    {"PSK", "PSK250RC6"},
    {"PSK", "PSK250RC7"},
    {"PSK", "PSK500"},
    {"PSK", "PSK500RC2"},
    {"PSK", "PSK500RC3"},
    {"PSK", "PSK500RC4"},
    {"PSK", "PSK800RC2"},
    {"PSK", "PSK1000"},
    {"PSK", "PSK1000RC2"},
    {"PSK", "PSKAM10"},
    {"PSK", "PSKAM31"},
    {"PSK", "PSKAM50"},
    {"PSK", "PSKFEC31"},
    {"PSK", "QPSK31"},
    {"PSK", "QPSK63"},
    {"PSK", "QPSK125"},
    {"PSK", "QPSK250"},
    {"PSK", "QPSK500"},
    {"PSK", "SIM31"},
    {"QRA64", "QRA64A"},
    {"QRA64", "QRA64B"},
    {"QRA64", "QRA64C"},
    {"QRA64", "QRA64D"},
    {"QRA64", "QRA64E"},
    {"ROS", "ROS-EME"},
    {"ROS", "ROS-HF"},
    {"ROS", "ROS-MF"},
    {"RTTY", "ASCI"},
    {"SSB", "LSB"},
    {"SSB", "USB"},
    {"THOR", "THOR-M"},
    {"THOR", "THOR4"},
    {"THOR", "THOR5"},
    {"THOR", "THOR8"},
    {"THOR", "THOR11"},
    {"THOR", "THOR16"},
    {"THOR", "THOR22"},
    {"THOR", "THOR25X4"},
    {"THOR", "THOR50X1"},
    {"THOR", "THOR50X2"},
    {"THOR", "THOR100"},
    {"THRB", "THRBX"},
    {"THRB", "THRBX1"},
    {"THRB", "THRBX2"},
    {"THRB", "THRBX4"},
    {"THRB", "THROB1"},
    {"THRB", "THROB2"},
    {"THRB", "THROB4"},
    {"TOR", "AMTORFEC"},
    {"TOR", "GTOR"},
    {"TOR", "NAVTEX"},
    {"TOR", "SITORB"},
};

// Names that logging programs give some submodes, and the submode ADIF knows them by: plain PSK31 is binary PSK,
// so BPSK31 is PSK31.
struct Alias {
    std::string_view name;
    AdifMode mode;
};
constexpr Alias kAliases[] = {
    {"BPSK31", {"PSK", "PSK31"}},
    {"BPSK63", {"PSK", "PSK63"}},
    {"BPSK125", {"PSK", "PSK125"}},
    {"BPSK250", {"PSK", "PSK250"}},
};

// The longest text the table knows; a longer value is no mode.
consteval std::size_t longestName()
{
    std::size_t longest = 0;
    for (const std::string_view mode : kModes) {
        longest = std::max(longest, mode.size());
    }
    for (const AdifMode& submode : kSubmodes) {
        longest = std::max(longest, submode.submode.size());
    }
    for (const Alias& alias : kAliases) {
        longest = std::max(longest, alias.name.size());
    }
    return longest;
}

// Keyed by views of the names above, which live as long as the program.
const std::unordered_map<std::string_view, AdifMode>& modeTable()
{
    static const auto table = [] {
        std::unordered_map<std::string_view, AdifMode> rows;
        for (const std::string_view mode : kModes) {
            rows.emplace(mode, AdifMode{mode, {}});
        }
        for (const AdifMode& submode : kSubmodes) {
            rows.emplace(submode.submode, submode);
        }
        for (const Alias& alias : kAliases) {
            rows.emplace(alias.name, alias.mode);
        }
        return rows;
    }();
    return table;
}

} // namespace

// The value is upper-cased into a small array, so a lookup allocates nothing.
std::optional<AdifMode> adifModeOf(std::string_view value)
{
    constexpr std::size_t kLongest = longestName();
    if (value.size() > kLongest) {
        return std::nullopt;
    }
    char key[kLongest];
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        key[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const auto& table = modeTable();
    const auto found = table.find(std::string_view(key, value.size()));
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace quillon::engine
