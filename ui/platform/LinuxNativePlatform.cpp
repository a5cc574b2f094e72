// Off Windows the About box works through the Linux stand-ins for the registry and the shell.
#include "ui/platform/LinuxPlatform.h"
#include "ui/platform/NativePlatform.h"

namespace quillon::ui::platform {

std::unique_ptr<PlatformServices> makeNativePlatform(MessagePresenter presenter)
{
    return std::make_unique<LinuxPlatform>(std::move(presenter));
}

} // namespace quillon::ui::platform
