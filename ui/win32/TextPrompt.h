// A modal box that asks for one line of text: a prompt, an edit box, OK and Cancel.
#pragma once

#include <optional>
#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// The text typed, starting from `initial`; nothing when the user cancels or Windows cannot show the box.
std::optional<std::string> askForText(HWND owner, const std::string& title, const std::string& prompt,
                                      const std::string& initial);

} // namespace quillon::ui::win32
