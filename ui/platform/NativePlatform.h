// The About box's platform layer for the system the program is built for, which main hands to the window.
#pragma once

#include "ui/MessageBoxes.h"
#include "ui/platform/PlatformServices.h"

#include <memory>

namespace quillon::ui::platform {

// CMake builds one definition: the registry and shell of Windows, or the Linux stand-in elsewhere. `presenter`
// shows the messages of the box's actions.
std::unique_ptr<PlatformServices> makeNativePlatform(MessagePresenter presenter);

} // namespace quillon::ui::platform
