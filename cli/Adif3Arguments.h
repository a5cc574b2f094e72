// The options of quillon-convert that choose the output: --adif, --code-page, --call and --operator.
#pragma once

#include "engine/AdifVersion.h"

#include <string>
#include <string_view>

namespace quillon::cli {

struct OutputChoice {
    engine::AdifVersion version = engine::AdifVersion::Classic;
    engine::Adif3Options adif3;
    std::string adif3OnlyGiven; // the first of --code-page, --call and --operator given, which classic ignores
};

// The warning when options that only ADIF 3 uses were given for the classic output; empty otherwise.
std::string ignoredOptionsWarning(const OutputChoice& choice);

// True for the four option names.
bool isOutputOption(std::string_view name);

// Applies one of them with its value; returns what was wrong, empty when all went well.
std::string applyOutputOption(std::string_view name, const std::string& value, OutputChoice& choice);

// The usage lines of the four options.
std::string_view outputOptionsUsage();

} // namespace quillon::cli
