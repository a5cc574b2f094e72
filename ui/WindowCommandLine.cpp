// Reading quillon's arguments before any window opens.
#include "ui/WindowCommandLine.h"

#include "engine/ProgramInfo.h"
#include "ui/LogFolder.h"

#include <QFileInfo>

#include <string>

namespace quillon::ui {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitUsage = 64;

constexpr const char* kUsage =
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

WindowCommandLine usageError(const QString& error, bool foreignOption = false)
{
    return {WindowAction::UsageError, {}, {}, error, foreignOption};
}

WindowCommandLine openOn(const QStringList& folders)
{
    if (folders.size() > 1) {
        return usageError(QStringLiteral("name one folder, not %1").arg(folders.size()));
    }
    if (folders.isEmpty()) {
        return {};
    }
    const QFileInfo named(folders.first());
    if (!named.exists()) {
        return usageError(QStringLiteral("%1: no such folder or file").arg(folders.first()));
    }
    if (!named.isDir()) {
        // A log file, as a file manager passes it: its folder becomes the log folder.
        return {WindowAction::Open, cleanFolderPath(named.absolutePath()), named.fileName(), {}, false};
    }
    return {WindowAction::Open, cleanFolderPath(folders.first()), {}, {}, false};
}

} // namespace

WindowCommandLine parseWindowCommandLine(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return {WindowAction::Help, {}, {}, {}, false};
        }
        if (argument == QLatin1String("--version")) {
            return {WindowAction::Version, {}, {}, {}, false};
        }
    }
    QStringList folders;
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-'))) {
            return usageError(QStringLiteral("unknown option '%1' (see quillon --help)").arg(argument), true);
        }
        folders.append(argument);
    }
    return openOn(folders);
}

WindowCommandLine parseWindowCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return parseWindowCommandLine(arguments);
}

std::optional<int> answerCommandLine(const WindowCommandLine& command, std::FILE* out, std::FILE* errors)
{
    switch (command.action) {
    case WindowAction::Help:
        std::fputs(kUsage, out);
        return kExitDone;
    case WindowAction::Version:
        std::fprintf(out, "quillon %s\n", engine::versionText().c_str());
        return kExitDone;
    case WindowAction::UsageError:
        std::fprintf(errors, "quillon: %s\n", command.error.toLocal8Bit().constData());
        return kExitUsage;
    case WindowAction::Open:
        break;
    }
    return std::nullopt;
}

} // namespace quillon::ui
