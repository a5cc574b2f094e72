// The About box's platform on Windows: the registry through advapi32, the HTML association and program starts
// through shell32 and CreateProcessW, every text crossing as UTF-16; message boxes go to a callback. No Qt.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <functional>

namespace quillon::ui::platform {

class WindowsPlatform : public PlatformServices
{
public:
    // Gets every message with its title filled in.
    using MessageCallback = std::function<void(const run::Message& message)>;

    // `ownerWindow` is the window handle (HWND) that the browser's start belongs to, or null.
    explicit WindowsPlatform(MessageCallback showMessage, void* ownerWindow = nullptr);

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
    MessageCallback m_showMessage;
    void* m_ownerWindow;
};

} // namespace quillon::ui::platform
