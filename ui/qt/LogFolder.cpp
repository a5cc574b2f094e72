// The log folder's places as Qt finds them, and the user's settings in QSettings.
#include "ui/qt/LogFolder.h"

#include "ui/qt/TextConversion.h"
#include "ui/shared/forms/ConverterForm.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillon::ui {

namespace {

const QString kSettingsName = QStringLiteral("Quillon");

QString keyText(std::string_view key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

std::string QtSettings::text(std::string_view key) const
{
    const QSettings settings(kSettingsName, kSettingsName);
    return toRunText(settings.value(keyText(key)).toString());
}

void QtSettings::setText(std::string_view key, const std::string& value)
{
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(keyText(key), fromRunText(value));
}

QtFolderPlaces::QtFolderPlaces(FolderTest mayWrite)
    : m_mayWrite(std::move(mayWrite))
{
}

std::string QtFolderPlaces::remembered() const
{
    return QtSettings().text(kLogFolderSetting);
}

bool QtFolderPlaces::isFolder(const std::string& path) const
{
    return QFileInfo(fromRunText(path)).isDir();
}

bool QtFolderPlaces::mayWrite(const std::string& path) const
{
    return m_mayWrite(fromRunText(path));
}

std::string QtFolderPlaces::documentsFolder() const
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return toRunText(documents.filePath(QStringLiteral("Quillon")));
}

void QtFolderPlaces::makeFolder(const std::string& path) const
{
    QDir().mkpath(fromRunText(path));
}

std::string QtFolderPlaces::clean(const std::string& path) const
{
    return toRunText(cleanFolderPath(fromRunText(path)));
}

QString askForFolderInDialog(QWidget* owner, const QString& start)
{
    return QFileDialog::getExistingDirectory(owner, fromRunText(forms::kOpenFolderTitle), start);
}

QString cleanFolderPath(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace quillon::ui
