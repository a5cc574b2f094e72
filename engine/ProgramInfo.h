// Who made the program and which version it is: shown in the window caption, the About box and the output files.
#pragma once

#include "engine/Version.h"

#include <string>
#include <string_view>

namespace quillon::engine {

inline constexpr std::string_view kApplicationTitle = "Quillon";

// The maker's web page, shown and opened by the About box.
inline constexpr std::string_view kWebAddress = "https://www.norva.org/";

// Where users reach the author of the converter; named on the contact line of every output file.
inline constexpr std::string_view kAuthorEmail = "ambrel.zelk@quillon.org";

// Major, minor and revision in plain decimal, joined by dots.
std::string versionText();

// The converter window's caption, which also heads both output files: "Quillon by ZELK Version " and the
// version text.
std::string mainCaption();

} // namespace quillon::engine
