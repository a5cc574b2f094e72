// Message boxes through MessageBoxW: one OK button, the icon of the message's style, a title always.
#pragma once

#include "run/RunHost.h"

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace quillon::ui::win32 {

// MB_OK with the icon: the classic style numbers are the MB_ICON values themselves.
UINT messageBoxStyle(run::MessageStyle style);

// Modal over `owner`; a message without a title shows the application title. Lines are separated by LF.
void showMessageBox(HWND owner, const run::Message& message);

// A question with one button for each answer, the first the default; the index of the answer chosen, or
// `escapeAnswer` when the box is closed with Esc.
std::size_t askChoiceInBox(HWND owner, const run::Message& question, const std::vector<std::string>& answers,
                           std::size_t escapeAnswer);

} // namespace quillon::ui::win32
