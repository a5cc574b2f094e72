// The About box's platform on Linux: stand-ins for the registry and the shell that keep the lookups, their order
// and their outcomes, with programs found on PATH and through the desktop's default applications.
#pragma once

#include "ui/MessageBoxes.h"
#include "ui/platform/PlatformServices.h"

#include <QStringList>

namespace quillon::ui::platform {

class LinuxPlatform : public PlatformServices
{
public:
    explicit LinuxPlatform(MessagePresenter presenter = showMessageBox);

    // The system-information programs looked for, in this order.
    static QStringList systemInfoPrograms();

    long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& length) override;
    void closeKey(RegistryKey key) override;
    long findExecutable(const std::string& documentPath, std::string& program) override;
    long openWith(const std::string& program, const std::string& argument) override;
    bool startProgram(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::string createTemporaryDocument(std::string_view suffix, std::string_view content) override;
    void deleteFile(const std::string& path) override;
    void showMessage(const run::Message& message) override;

private:
    MessagePresenter m_presenter;
};

} // namespace quillon::ui::platform
