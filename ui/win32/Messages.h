// Message boxes through MessageBoxW: one OK button, the icon of the message's style, a title always.
#pragma once

#include "run/RunHost.h"

#include <windows.h>

namespace quillon::ui::win32 {

// MB_OK with the icon: the classic style numbers are the MB_ICON values themselves.
UINT messageBoxStyle(run::MessageStyle style);

// Modal over `owner`; a message without a title shows the application title. Lines are separated by LF.
void showMessageBox(HWND owner, const run::Message& message);

} // namespace quillon::ui::win32
