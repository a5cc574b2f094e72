// A message a run shows or leaves for the user: its text, title and icon, and the system's reason for a failure.
#pragma once

#include <string>

namespace quillon::run {

// Message-box styles: the numbers are the icon codes of the classic message box.
enum class MessageStyle { Plain = 0, Stop = 16, Exclamation = 48, Information = 64 };

struct Message {
    std::string text; // lines separated by LF alone
    std::string title;
    MessageStyle style = MessageStyle::Stop;
    // The system's own reason for a failure ("No space left on device"), if it gave one.
    std::string detail = {};

    // A message box shows the reason on a line of its own below the text.
    std::string boxText() const { return detail.empty() ? text : text + "\n" + detail; }
};

} // namespace quillon::run
