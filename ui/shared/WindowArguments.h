// The arguments of quillon, the window: an optional log folder or log file, --help and --version.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::forms {

enum class WindowAction { Open, Help, Version, UsageError };

struct WindowArguments {
    WindowAction action = WindowAction::Open;
    std::string folder;  // the log folder named, absolute; empty when none was
    std::string logFile; // the name of a log named as a file, in `folder`; empty for log.asc
    std::string error;   // one line saying what was wrong, for a usage error
    // An option that is not ours may be one of the toolkit's (-platform, -style), which it takes out of the
    // arguments when it starts; it is an error only once that has happened.
    bool foreignOption = false;
};

// What the platform says about a path named on the command line.
struct NamedPath {
    enum class Kind { Missing, Folder, File } kind = Kind::Missing;
    std::string folder; // a folder's clean absolute path, or the folder that holds a file
    std::string name;   // a file's name; empty for a folder
};

class PathProbe
{
public:
    virtual ~PathProbe() = default;
    virtual NamedPath look(const std::string& path) const = 0;
};

// `arguments` without the program's name. --help and --version win wherever they stand.
WindowArguments parseWindowArguments(const std::vector<std::string>& arguments, const PathProbe& probe);

inline constexpr int kWindowExitDone = 0;
inline constexpr int kWindowExitUsage = 64;

// What --help shows.
std::string_view windowUsage();
// What --version shows: "quillon " and the version.
std::string windowVersionLine();
// A usage error as one line: "quillon: " and what was wrong.
std::string windowErrorLine(const WindowArguments& arguments);

// The exit status of a command line that is answered without a window; nothing when a window is to open.
std::optional<int> exitStatusOf(const WindowArguments& arguments);

} // namespace quillon::forms
