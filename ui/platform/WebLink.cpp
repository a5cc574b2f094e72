// The web link: find the HTML browser through a temporary document, start it with the address.
#include "ui/platform/WebLink.h"

namespace quillon::ui::platform {

void Label2_Click(PlatformServices& platform, const std::string& webAddress)
{
    const std::string document = platform.createTemporaryDocument(".HTM", kTemporaryDocument);
    std::string browser;
    const long found = document.empty() ? kShellFileNotFound : platform.findExecutable(document, browser);
    if (found <= kShellSuccessAbove) {
        platform.showMessage(
            {"Could not find associated Browser", "Browser Not Found", run::MessageStyle::Exclamation});
    } else if (platform.openWith(browser, webAddress) <= kShellSuccessAbove) {
        platform.showMessage({"Web Page not Opened", "URL Failed", run::MessageStyle::Exclamation});
    }
    if (!document.empty()) {
        platform.deleteFile(document);
    }
}

} // namespace quillon::ui::platform
