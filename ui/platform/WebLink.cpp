// The web page on Windows: find the HTML browser through a temporary document, start it with the address.
#include "ui/platform/WebLink.h"

namespace quillon::ui::platform {

std::optional<run::Message> openWebPageThroughShell(RegistryAndShell& platform, const std::string& webAddress)
{
    std::optional<run::Message> failure;
    const std::string document = platform.createTemporaryDocument(".HTM", kTemporaryDocument);
    std::string browser;
    const long found = document.empty() ? kShellFileNotFound : platform.findExecutable(document, browser);
    if (found <= kShellSuccessAbove) {
        failure =
            run::Message{"Could not find associated Browser", "Browser Not Found", run::MessageStyle::Exclamation};
    } else if (platform.openWith(browser, webAddress) <= kShellSuccessAbove) {
        failure = run::Message{"Web Page not Opened", "URL Failed", run::MessageStyle::Exclamation};
    }
    if (!document.empty()) {
        platform.deleteFile(document);
    }
    return failure;
}

} // namespace quillon::ui::platform
