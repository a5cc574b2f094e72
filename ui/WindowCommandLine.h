// The arguments of quillon, the window: an optional log folder, --help and --version.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace quillon::ui {

enum class WindowAction { Open, Help, Version, UsageError };

struct WindowCommandLine {
    WindowAction action = WindowAction::Open;
    QString folder;  // the log folder named, absolute; empty when none was
    QString logFile; // the name of a log named as a file, in `folder`; empty for log.asc
    QString error;   // one line saying what was wrong, for a usage error
    // An option that is not ours may be one of Qt's (-platform, -style), which the application takes out of the
    // arguments when it starts; it is an error only once that has happened.
    bool foreignOption = false;
};

// `arguments` without the program's name. --help and --version win wherever they stand.
WindowCommandLine parseWindowCommandLine(const QStringList& arguments);
WindowCommandLine parseWindowCommandLine(int argc, char** argv);

// Prints the help, the version or a usage error and returns the exit status; nothing when a window is to open.
std::optional<int> answerCommandLine(const WindowCommandLine& command, std::FILE* out, std::FILE* errors);

} // namespace quillon::ui
