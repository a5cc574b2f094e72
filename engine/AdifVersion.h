// Which ADIF the run writes, classic or ADIF 3, and the choices that only ADIF 3 has.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::engine {

// Classic is the long-standing output, byte for byte; ADIF 3 is what today's logbooks and strict readers take.
enum class AdifVersion { Classic, Adif3 };

// The code page the log's text was written in. Text that is valid UTF-8 is read as UTF-8 whatever is chosen.
enum class CodePage { Dos437, Dos850, Windows1252, Latin1, Utf8 };
inline constexpr CodePage kAllCodePages[] = {CodePage::Dos437, CodePage::Dos850, CodePage::Windows1252,
                                             CodePage::Latin1, CodePage::Utf8};

struct Adif3Options {
    CodePage codePage = CodePage::Windows1252;
    // The user's own call sign, written into every record as STATION_CALLSIGN; none when empty.
    std::string stationCallsign;
    // Who operated, when not the station's owner: OPERATOR in every record; none when empty.
    std::string operatorCallsign;

    bool operator==(const Adif3Options&) const = default;
};

// "437", "850", "1252", "latin1" or "utf8", in any letter case.
std::optional<CodePage> codePageFromName(std::string_view name);
std::string_view codePageName(CodePage page);

// "3" or "classic".
std::optional<AdifVersion> adifVersionFromName(std::string_view name);
std::string_view adifVersionName(AdifVersion version);

// A call sign as ADIF carries it: letters, digits and "/" only, upper-cased; empty when it is anything else.
std::string normalisedCallsign(std::string_view text);

} // namespace quillon::engine
