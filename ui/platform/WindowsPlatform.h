// The About box's services on Windows, in the classic steps: the system-information program found in the registry
// through advapi32, the web page opened by the browser associated with HTML documents through shell32, programs
// started with CreateProcessW, every text crossing as UTF-16. No toolkit.
#pragma once

#include "ui/platform/PlatformServices.h"
#include "ui/platform/RegistryAndShell.h"

namespace quillon::ui::platform {

class WindowsPlatform : public PlatformServices, public RegistryAndShell
{
public:
    // `ownerWindow` is the window handle (HWND) that the browser's start belongs to, or null.
    explicit WindowsPlatform(void* ownerWindow = nullptr);

    // StartSysInfo and openWebPageThroughShell over the calls below.
    std::optional<run::Message> startSystemInfo() override;
    std::optional<run::Message> openWebPage(const std::string& address) override;

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

private:
    void* m_ownerWindow;
};

} // namespace quillon::ui::platform
