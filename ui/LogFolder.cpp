// Choosing the log folder at start and keeping the one the user chose in the window.
#include "ui/LogFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillon::ui {

namespace {

const QString kSettingsName = QStringLiteral("Quillon");
const QString kLogFolderKey = QStringLiteral("logFolder");

} // namespace

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString chooseLogFolder(const QString& named, const QString& programFolder, const FolderTest& mayWrite)
{
    if (!named.isEmpty()) {
        return cleanFolderPath(named);
    }
    const QString remembered = rememberedLogFolder();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        return cleanFolderPath(remembered);
    }
    if (mayWrite(programFolder)) {
        return cleanFolderPath(programFolder);
    }
    const QString documents =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("Quillon"));
    // Should the folder not come into being, the first Start names the path that is missing.
    QDir().mkpath(documents);
    return cleanFolderPath(documents);
}

QString rememberedLogFolder()
{
    const QSettings settings(kSettingsName, kSettingsName);
    return settings.value(kLogFolderKey).toString();
}

void rememberLogFolder(const QString& folder)
{
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(kLogFolderKey, folder);
}

QString askForFolder(QWidget* owner, const QString& start)
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Open Folder"), start);
}

QString cleanFolderPath(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace quillon::ui
