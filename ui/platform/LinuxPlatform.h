// The About box's services on Linux: the first system-information program found on PATH, and the web page handed
// to the desktop's opener, xdg-open. Plain POSIX, no toolkit.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::ui::platform {

class LinuxPlatform : public PlatformServices
{
public:
    // The system-information programs looked for, in this order.
    static const std::vector<std::string_view>& systemInfoPrograms();

    std::optional<run::Message> startSystemInfo() override;
    std::optional<run::Message> openWebPage(const std::string& address) override;
};

// The program of that name in the first folder of PATH that holds one we may run; empty when none does.
std::string findOnPath(std::string_view name);

// Starts `program` with `arguments` and returns without waiting for it, never through a shell. The program runs
// in a session of its own and is nobody's child here, so it leaves no zombie; false when it could not be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments);

} // namespace quillon::ui::platform
