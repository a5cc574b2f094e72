// Help, User Guide: QUILLON.DOC, read-only, in a window of its own.
#pragma once

#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// The guide as the program carries it: the resource's 8-bit text with its CR LF line ends.
std::string userGuideText();

// Shows the guide's window, made when first asked for and raised again afterwards.
void showUserGuide(HWND owner);

// Esc in the guide closes it, as it closes a dialog; true when `message` was that key.
bool closeGuideOnEscape(const MSG& message);

} // namespace quillon::ui::win32
