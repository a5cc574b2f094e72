// The arguments of quillon, the window, as Qt sees the paths they name.
#pragma once

#include "ui/shared/WindowArguments.h"

#include <QStringList>

#include <cstdio>
#include <optional>

namespace quillon::ui {

using forms::WindowAction;

// `arguments` without the program's name. --help and --version win wherever they stand.
forms::WindowArguments parseWindowCommandLine(const QStringList& arguments);
forms::WindowArguments parseWindowCommandLine(int argc, char** argv);

// Prints the help, the version or a usage error and returns the exit status; nothing when a window is to open.
std::optional<int> answerCommandLine(const forms::WindowArguments& command, std::FILE* out, std::FILE* errors);

} // namespace quillon::ui
