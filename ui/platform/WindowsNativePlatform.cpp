// On Windows the About box works through the registry and the shell themselves.
#include "ui/platform/NativePlatform.h"
#include "ui/platform/WindowsPlatform.h"

namespace quillon::ui::platform {

std::unique_ptr<PlatformServices> makeNativePlatform(MessagePresenter presenter)
{
    return std::make_unique<WindowsPlatform>(
        [presenter = std::move(presenter)](const run::Message& message) { presenter(nullptr, message); });
}

} // namespace quillon::ui::platform
