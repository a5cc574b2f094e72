// The lines of a log as bytes: where each starts, how long it is and how it ends, so that single lines can be
// replaced while every other byte stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

class LogLines
{
public:
    // Lines end as the reader ends them: LF, CR LF or a lone CR. A UTF-8 byte-order mark at the very start is not
    // part of line 1. A last line without a line end is a line; an empty input has none.
    explicit LogLines(std::string_view bytes);

    std::int64_t count() const { return static_cast<std::int64_t>(m_lines.size()); }
    // The text of a line, counted from 1, without its line end.
    std::string_view text(std::int64_t line) const;

    // The bytes with the text of the given lines replaced; their line ends, the lines around them and the
    // byte-order mark are kept. Lines past the end are ignored.
    std::string replaced(const std::map<std::int64_t, std::string>& texts) const;

private:
    struct Line {
        std::size_t start;
        std::size_t length; // without the line end
    };

    std::string_view m_bytes;
    std::vector<Line> m_lines;
};

} // namespace quillon::engine
