// Paths as the program keeps them, UTF-8 text, to and from std::filesystem without the narrow code page, which
// on Windows is not UTF-8 and would garble a folder such as "Zürich".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon::run {

inline std::filesystem::path pathFromText(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string textFromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace quillon::run
