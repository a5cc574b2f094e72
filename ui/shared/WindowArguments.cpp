// Reading quillon's arguments before any window opens.
#include "ui/shared/WindowArguments.h"

#include "engine/ProgramInfo.h"

namespace quillon::forms {

namespace {

constexpr std::string_view kUsage =
    "Usage: quillon [FOLDER | LOG]\n"
    "\n"
    "Opens the converter window on FOLDER: log.asc is read there, and log.adi and bad.adi are written there.\n"
    "A LOG file named instead is read, and the outputs go beside it.\n"
    "Without FOLDER the window works in the folder chosen last with File > Open Folder, else in its own\n"
    "folder when you may write there, else in Quillon in your documents folder (created when missing).\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 the window was closed; 64 bad usage (FOLDER or LOG does not exist).\n";

WindowArguments usageError(std::string error, bool foreignOption = false)
{
    return {WindowAction::UsageError, {}, {}, std::move(error), foreignOption};
}

WindowArguments openOn(const std::vector<std::string>& folders, const PathProbe& probe)
{
    if (folders.size() > 1) {
        return usageError("name one folder, not " + std::to_string(folders.size()));
    }
    if (folders.empty()) {
        return {};
    }
    const NamedPath named = probe.look(folders.front());
    switch (named.kind) {
    case NamedPath::Kind::Missing:
        return usageError(folders.front() + ": no such folder or file");
    case NamedPath::Kind::File:
        // A log file, as a file manager passes it: its folder becomes the log folder.
        return {WindowAction::Open, named.folder, named.name, {}, false};
    case NamedPath::Kind::Folder:
        break;
    }
    return {WindowAction::Open, named.folder, {}, {}, false};
}

} // namespace

WindowArguments parseWindowArguments(const std::vector<std::string>& arguments, const PathProbe& probe)
{
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return {WindowAction::Help, {}, {}, {}, false};
        }
        if (argument == "--version") {
            return {WindowAction::Version, {}, {}, {}, false};
        }
    }
    std::vector<std::string> folders;
    for (const std::string& argument : arguments) {
        if (argument.starts_with('-')) {
            return usageError("unknown option '" + argument + "' (see quillon --help)", true);
        }
        folders.push_back(argument);
    }
    return openOn(folders, probe);
}

std::string_view windowUsage()
{
    return kUsage;
}

std::string windowVersionLine()
{
    return "quillon " + engine::versionText();
}

std::string windowErrorLine(const WindowArguments& arguments)
{
    return "quillon: " + arguments.error;
}

std::optional<int> exitStatusOf(const WindowArguments& arguments)
{
    switch (arguments.action) {
    case WindowAction::Help:
    case WindowAction::Version:
        return kWindowExitDone;
    case WindowAction::UsageError:
        return kWindowExitUsage;
    case WindowAction::Open:
        break;
    }
    return std::nullopt;
}

} // namespace quillon::forms
