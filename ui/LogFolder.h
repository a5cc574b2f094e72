// The log folder: where the window reads log.asc and writes log.adi and bad.adi, and how the choice is kept.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quillon::ui {

// Whether the user may create and replace files in a folder.
using FolderTest = std::function<bool(const QString& folder)>;

bool isWritableFolder(const QString& folder);

// The first that applies: the folder named on the command line; the one chosen last in the window, while it
// still exists; the program's own folder, when the user may write to it (a build tree, an unpacked copy);
// otherwise Quillon in the user's documents folder, created here when missing. An installed program's folder
// is no place for the user's files, hence the last two.
QString chooseLogFolder(const QString& named, const QString& programFolder, const FolderTest& mayWrite);

// Kept in the user's settings from one start to the next.
QString rememberedLogFolder();
void rememberLogFolder(const QString& folder);

// Asks the user for a folder, starting at `start`; empty when the user cancels. Tests put a stub in its place.
using FolderChooser = std::function<QString(QWidget* owner, const QString& start)>;

// The desktop's folder dialog.
QString askForFolder(QWidget* owner, const QString& start);

// The same folder however it was written: absolute, without "." or ".." steps or a trailing slash.
QString cleanFolderPath(const QString& folder);

} // namespace quillon::ui
