// A temporary folder that cleans up after itself, and whole-file reads and writes for the tests.
#pragma once

#include "engine/ProgramInfo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillon::tests {

class TempFolder
{
public:
    // Creating the folder is what claims the name, so two tests never share one.
    TempFolder()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const auto path = std::filesystem::temp_directory_path() / ("quillon-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path)) {
                m_path = path;
            }
        }
        if (m_path.empty()) {
            throw std::runtime_error("cannot create a temporary folder");
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// Splits on CR LF; a final CR LF leaves no empty last element.
inline std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Golden files hold placeholders for what changes from run to run and from release to release: the time in the
// fourth line of each output file and the version in its first.
inline std::string withPlaceholders(std::string text)
{
    const std::string prefix = "File converted on ";
    const auto start = text.find(prefix);
    if (start != std::string::npos) {
        const auto end = text.find("\r\n", start);
        text.replace(start + prefix.size(), end - start - prefix.size(), "<timestamp>");
    }
    const std::string version = " Version " + engine::versionText() + "\r\n";
    if (const auto at = text.find(version); at != std::string::npos && at < text.find('\n')) {
        text.replace(at, version.size(), " Version <version>\r\n");
    }
    // The ADIF 3 header fields that change from run to run and from release to release.
    const std::pair<std::string, std::string> fields[] = {
        {"\r\n<PROGRAMVERSION:", "<PROGRAMVERSION><version>"},
        {"\r\n<CREATED_TIMESTAMP:15>", "<CREATED_TIMESTAMP:15><timestamp>"},
    };
    for (const auto& [opening, placeholder] : fields) {
        if (const auto at = text.find(opening); at != std::string::npos) {
            const auto end = text.find("\r\n", at + 2);
            text.replace(at + 2, end - at - 2, placeholder);
        }
    }
    return text;
}

// One log.asc line from its 18 fields, joined by commas and ended by CR LF.
inline std::string logLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i == 0 ? "" : ",") + fields[i];
    }
    return line + "\r\n";
}

} // namespace quillon::tests
