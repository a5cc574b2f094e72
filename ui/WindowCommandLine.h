// The arguments of quillon, the window, as Qt sees the paths they name.
#pragma once

#include "ui/forms/WindowArguments.h"

#include <QStringList>

#include <cstdio>
#include <optional>

namespace quillon::ui {

using forms::WindowAction;
using WindowCommandLine = forms::WindowArguments;

// `arguments` without the program's name. --help and --version win wherever they stand.
WindowCommandLine parseWindowCommandLine(const QStringList& arguments);
WindowCommandLine parseWindowCommandLine(int argc, char** argv);

// Prints the help, the version or a usage error and returns the exit status; nothing when a window is to open.
std::optional<int> answerCommandLine(const WindowCommandLine& command, std::FILE* out, std::FILE* errors);

} // namespace quillon::ui
