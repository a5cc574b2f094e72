// The log folder's places as Qt finds them, and the folder the user chose kept in the user's settings.
#include "ui/LogFolder.h"

#include "ui/TextConversion.h"
#include "ui/forms/ConverterForm.h"
#include "ui/forms/LogFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillon::ui {

namespace {

const QString kSettingsName = QStringLiteral("Quillon");
const QString kLogFolderKey = QStringLiteral("logFolder");

class QtFolderPlaces : public forms::FolderPlaces
{
public:
    explicit QtFolderPlaces(const FolderTest& mayWrite)
        : m_mayWrite(mayWrite)
    {
    }
    std::string remembered() const override { return toRunText(rememberedLogFolder()); }
    bool isFolder(const std::string& path) const override { return QFileInfo(fromRunText(path)).isDir(); }
    bool mayWrite(const std::string& path) const override { return m_mayWrite(fromRunText(path)); }
    std::string documentsFolder() const override
    {
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        return toRunText(documents.filePath(QStringLiteral("Quillon")));
    }
    void makeFolder(const std::string& path) const override { QDir().mkpath(fromRunText(path)); }
    std::string clean(const std::string& path) const override { return toRunText(cleanFolderPath(fromRunText(path))); }

private:
    const FolderTest& m_mayWrite;
};

} // namespace

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString chooseLogFolder(const QString& named, const QString& programFolder, const FolderTest& mayWrite)
{
    const QtFolderPlaces places(mayWrite);
    return fromRunText(forms::chooseLogFolder(toRunText(named), toRunText(programFolder), places));
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
    return QFileDialog::getExistingDirectory(owner, fromRunText(forms::kOpenFolderTitle), start);
}

QString cleanFolderPath(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace quillon::ui
