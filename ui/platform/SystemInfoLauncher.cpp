// The two registry places of the system-information program, tried in order.
#include "ui/platform/SystemInfoLauncher.h"

#include "engine/ProgramInfo.h"
#include "ui/platform/RegistryValue.h"

namespace quillon::ui::platform {

namespace {

// Returns false when neither place gives a program that exists to be started.
bool findSysInfo(RegistryAndShell& platform, std::string& path)
{
    if (GetKeyValue(platform, kHkeyLocalMachine, kSysInfoPathKey, "PATH", path)) {
        return true; // taken as it is: not tested for existence, and the second place is not tried
    }
    if (!GetKeyValue(platform, kHkeyLocalMachine, kSysInfoFolderKey, "MSINFO", path)) {
        return false;
    }
    path += "\\MSINFO32.EXE";
    return platform.fileExists(path);
}

} // namespace

std::optional<run::Message> StartSysInfo(RegistryAndShell& platform)
{
    try {
        std::string path;
        if (findSysInfo(platform, path) && platform.startProgram(path)) {
            return std::nullopt;
        }
    } catch (const RegistryValueError&) {
        // falls through to the message, which does not say what failed
    }
    return run::Message{"System Information Is Unavailable At This Time", std::string(engine::kApplicationTitle),
                        run::MessageStyle::Plain};
}

} // namespace quillon::ui::platform
