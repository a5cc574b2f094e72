// The log folder as Qt finds it: the places a window may convert in, the user's settings in QSettings, and the
// folder dialog.
#pragma once

#include "ui/shared/LogFolder.h"
#include "ui/shared/Settings.h"

#include <QString>

#include <functional>

class QWidget;

namespace quillon::ui {

// Whether the user may create and replace files in a folder.
using FolderTest = std::function<bool(const QString& folder)>;

bool isWritableFolder(const QString& folder);

// Kept in the user's settings from one start to the next.
class QtSettings : public Settings
{
public:
    std::string text(std::string_view key) const override;
    void setText(std::string_view key, const std::string& value) override;
};

class QtFolderPlaces : public forms::FolderPlaces
{
public:
    explicit QtFolderPlaces(FolderTest mayWrite = isWritableFolder);
    std::string remembered() const override;
    bool isFolder(const std::string& path) const override;
    bool mayWrite(const std::string& path) const override;
    std::string documentsFolder() const override;
    void makeFolder(const std::string& path) const override;
    std::string clean(const std::string& path) const override;

private:
    FolderTest m_mayWrite;
};

// Asks the user for a folder, starting at `start`; empty when the user cancels. Tests put a stub in its place.
using FolderChooser = std::function<QString(QWidget* owner, const QString& start)>;

// The desktop's folder dialog.
QString askForFolderInDialog(QWidget* owner, const QString& start);

// The same folder however it was written: absolute, without "." or ".." steps or a trailing slash.
QString cleanFolderPath(const QString& folder);

} // namespace quillon::ui
