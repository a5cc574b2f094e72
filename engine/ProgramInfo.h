// Who made the program and which version it is: shown in the window caption, the About box and the output files.
#pragma once

#include <string>
#include <string_view>

namespace quillon::engine {

inline constexpr std::string_view kApplicationTitle = "Quillon";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 5;

// The maker's web page, shown and opened by the About box.
inline constexpr std::string_view kWebAddress = "https://www.norva.org/";

// Where users reach the author of the converter; named on the contact line of every output file.
inline constexpr std::string_view kAuthorEmail = "ambrel.zelk@quillon.org";

// "1.0.5": major, minor and revision in plain decimal.
std::string versionText();

// The converter window's caption, which also heads both output files: "Quillon by ZELK Version 1.0.5".
std::string mainCaption();

} // namespace quillon::engine
