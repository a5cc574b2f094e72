// Opens a web page in the browser that Windows associates with HTML documents.
#pragma once

#include "run/RunHost.h"
#include "ui/platform/RegistryAndShell.h"

#include <optional>
#include <string>

namespace quillon::ui::platform {

// The 18 bytes of the short-lived document whose association names the browser.
inline constexpr std::string_view kTemporaryDocument = "\"<HTML> <\\HTML>\"\r\n";

// Creates the temporary document, asks which program opens it, starts that program with `webAddress` and
// deletes the document again, whatever the outcome. A failure ends in a message, returned for the About box to show.
std::optional<run::Message> openWebPageThroughShell(RegistryAndShell& platform, const std::string& webAddress);

} // namespace quillon::ui::platform
