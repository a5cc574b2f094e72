// Who made the program and which version it is: shown in the window caption, the About box and the output files.
#pragma once

#include "engine/ProgramFacts.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// Major, minor and revision in plain decimal, joined by dots.
std::string versionText();

// The converter window's caption, which also heads both output files: "Quillon by ZELK Version " and the
// version text.
std::string mainCaption();

} // namespace quillon::engine
