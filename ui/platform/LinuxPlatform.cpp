// Registry and shell stand-ins on Linux: PATH for the system-information program, xdg-mime for the browser,
// detached processes with argument lists (never a shell), and QTemporaryFile for the temporary document.
#include "ui/platform/LinuxPlatform.h"

#include "ui/TextConversion.h"
#include "ui/forms/ConverterState.h"
#include "ui/platform/SystemInfoLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstring>

namespace quillon::ui::platform {

namespace {

constexpr RegistryKey kSysInfoKey = 1;
constexpr long kStarted = 42;

QString systemInfoProgram()
{
    for (const QString& name : LinuxPlatform::systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

// The desktop entry that the desktop opens HTML documents with, e.g. "firefox-esr.desktop".
QString defaultHtmlEntry()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The program that a desktop entry starts: the first word of its Exec line, found on PATH.
QString programOfEntry(const QString& entry)
{
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    if (entry.isEmpty() || file.isEmpty()) {
        return {};
    }
    QSettings desktop(file, QSettings::IniFormat);
    const QString exec = desktop.value(QStringLiteral("Desktop Entry/Exec")).toString();
    const QStringList words = QProcess::splitCommand(exec);
    return words.isEmpty() ? QString() : QStandardPaths::findExecutable(words.first());
}

} // namespace

LinuxPlatform::LinuxPlatform(MessagePresenter presenter)
    : m_presenter(std::move(presenter))
{
}

QStringList LinuxPlatform::systemInfoPrograms()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

// Only the first place exists here, and only while a system-information program is installed. Keys open for
// reading only, as an ordinary user may.
long LinuxPlatform::openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, RegistryKey& key)
{
    key = 0;
    if ((access & ~kKeyRead) != 0) {
        return kRegistryAccessDenied;
    }
    if (root != kHkeyLocalMachine || keyName != kSysInfoPathKey || systemInfoProgram().isEmpty()) {
        return kRegistryNotFound;
    }
    key = kSysInfoKey;
    return kRegistrySuccess;
}

long LinuxPlatform::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                               std::uint32_t& length)
{
    if (key != kSysInfoKey || QString::fromStdString(valueName).compare(QStringLiteral("PATH"), Qt::CaseInsensitive)) {
        return kRegistryNotFound;
    }
    const std::string path = toRunText(systemInfoProgram());
    if (path.size() + 1 > length) {
        return kRegistryMoreData;
    }
    std::memcpy(data, path.c_str(), path.size() + 1); // text values are stored with their zero byte
    length = static_cast<std::uint32_t>(path.size() + 1);
    type = kRegSz;
    return kRegistrySuccess;
}

void LinuxPlatform::closeKey(RegistryKey)
{
}

long LinuxPlatform::findExecutable(const std::string& documentPath, std::string& program)
{
    if (!QFileInfo::exists(fromRunText(documentPath))) {
        return kShellFileNotFound;
    }
    const QString found = programOfEntry(defaultHtmlEntry());
    if (found.isEmpty()) {
        return kShellNoAssociation;
    }
    program = toRunText(found);
    return kStarted;
}

long LinuxPlatform::openWith(const std::string& program, const std::string& argument)
{
    return QProcess::startDetached(fromRunText(program), {fromRunText(argument)}) ? kStarted : kShellFileNotFound;
}

bool LinuxPlatform::startProgram(const std::string& path)
{
    return !path.empty() && QProcess::startDetached(fromRunText(path), {});
}

bool LinuxPlatform::fileExists(const std::string& path)
{
    const QFileInfo info(fromRunText(path));
    return info.isFile() && !info.isHidden();
}

// QTemporaryFile creates the file exclusively under a fresh name, so nobody can have put a link there first.
std::string LinuxPlatform::createTemporaryDocument(std::string_view suffix, std::string_view content)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/quillon-XXXXXX") + fromRunText(suffix));
    file.setAutoRemove(false);
    if (!file.open()) {
        return {};
    }
    const auto size = static_cast<qint64>(content.size());
    const bool written = file.write(content.data(), size) == size && file.flush();
    file.close();
    if (!written) {
        file.remove();
        return {};
    }
    return toRunText(file.fileName());
}

void LinuxPlatform::deleteFile(const std::string& path)
{
    QFile::remove(fromRunText(path));
}

void LinuxPlatform::showMessage(const run::Message& message)
{
    m_presenter(nullptr, forms::titled(message));
}

} // namespace quillon::ui::platform
