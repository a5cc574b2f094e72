// A static label that works as a link from the keyboard as well as with the mouse.
#pragma once

#include <windows.h>

namespace quillon::ui::win32 {

// Lets a label made with SS_NOTIFY and WS_TABSTOP take the focus with Tab, show it with a dotted frame, and tell
// its parent STN_CLICKED when Enter or Space is pressed, as a click does.
void makeKeyboardLink(HWND label);

} // namespace quillon::ui::win32
