// UTF-8 inside the program, UTF-16 where it meets the Windows API, and the system's own error texts.
#pragma once

#include <string>
#include <string_view>

namespace quillon::run {

// Bytes that are not UTF-8 become replacement characters.
std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

// What Windows says of an error code (GetLastError()), in the user's language, without the line end.
std::string windowsErrorText(unsigned long error);

} // namespace quillon::run
