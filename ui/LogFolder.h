// The log folder: where the window reads log.asc and writes log.adi and bad.adi, and how the choice is kept.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quillon::ui {

// Whether the user may create and replace files in a folder.
using FolderTest = std::function<bool(const QString& folder)>;

bool isWritableFolder(const QString& folder);

// The log folder at start, in the order of forms::chooseLogFolder, with the remembered folder in QSettings.
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
