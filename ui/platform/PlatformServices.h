// What the About box asks of the system it runs on: start the system-information program, open a web page. One
// implementation per system, chosen by CMake; the tests use a fake.
#pragma once

#include "run/RunHost.h"

#include <memory>
#include <optional>
#include <string>

namespace quillon::ui::platform {

class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // Starts the system's information program without waiting for it. When it cannot, the message for the
    // About box to show; nothing when it started.
    virtual std::optional<run::Message> startSystemInfo() = 0;
    // Opens `address` in the user's web browser; the message to show when it cannot.
    virtual std::optional<run::Message> openWebPage(const std::string& address) = 0;
};

// The services of the system the program is built for. `ownerWindow` is the native window (HWND) that a browser's
// start belongs to on Windows, or null.
std::unique_ptr<PlatformServices> makeNativePlatform(void* ownerWindow = nullptr);

} // namespace quillon::ui::platform
