// Starts the platform's system-information program, or says that it is unavailable.
#pragma once

#include "run/RunHost.h"
#include "ui/platform/RegistryAndShell.h"

#include <optional>

namespace quillon::ui::platform {

// The program's full path is looked up in the first registry place; only when that place is missing is the
// second place read, as a folder that must hold MSINFO32.EXE. Every failure ends in one message, returned for the
// About box to show.
std::optional<run::Message> StartSysInfo(RegistryAndShell& platform);

inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

} // namespace quillon::ui::platform
