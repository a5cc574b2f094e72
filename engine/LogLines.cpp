// Cutting a log into lines and putting it back together with some of them replaced.
#include "engine/LogLines.h"

#include "engine/InputRules.h"

namespace quillon::engine {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

LogLines::LogLines(std::string_view bytes)
    : m_bytes(bytes)
{
    std::size_t at = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        m_lines.push_back({at, end - at});
        at = end;
        if (at < bytes.size() && bytes[at++] == detail::kCr && at < bytes.size() && bytes[at] == detail::kLf) {
            ++at;
        }
    }
}

std::string_view LogLines::text(std::int64_t line) const
{
    const Line& l = m_lines.at(static_cast<std::size_t>(line - 1));
    return m_bytes.substr(l.start, l.length);
}

std::string LogLines::replaced(const std::map<std::int64_t, std::string>& texts) const
{
    std::string out;
    out.reserve(m_bytes.size());
    std::size_t copied = 0;
    for (const auto& [line, text] : texts) {
        if (line < 1 || line > count()) {
            continue;
        }
        const Line& l = m_lines[static_cast<std::size_t>(line - 1)];
        out.append(m_bytes.substr(copied, l.start - copied));
        out.append(text);
        copied = l.start + l.length;
    }
    out.append(m_bytes.substr(copied));
    return out;
}

} // namespace quillon::engine
