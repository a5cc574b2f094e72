// Opens the maker's web page in the browser that the platform associates with HTML documents.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <string>

namespace quillon::ui::platform {

// The 18 bytes of the short-lived document whose association names the browser.
inline constexpr std::string_view kTemporaryDocument = "\"<HTML> <\\HTML>\"\r\n";

// Creates the temporary document, asks which program opens it, starts that program with `webAddress` and
// deletes the document again, whatever the outcome. Failures end in a message.
void Label2_Click(PlatformServices& platform, const std::string& webAddress);

} // namespace quillon::ui::platform
