// The options of quillon-convert that choose the output: --adif, --code-page, --call and --operator.
#pragma once

#include "engine/AdifVersion.h"

#include <string>
#include <string_view>

namespace quillon::cli {

struct OutputChoice {
    engine::AdifVersion version = engine::AdifVersion::Classic;
    engine::Adif3Options adif3;
};

// True for the four option names.
bool isOutputOption(std::string_view name);

// Applies one of them with its value; returns what was wrong, empty when all went well.
std::string applyOutputOption(std::string_view name, const std::string& value, OutputChoice& choice);

// The usage lines of the four options.
std::string_view outputOptionsUsage();

} // namespace quillon::cli
