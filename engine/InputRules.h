// The field syntax of log.asc in one place: the bytes that matter and what they do. The reader walks a line by
// these rules in two ways, the whole line at once (LineSplit) and field by field (LogReader), and one test table
// runs through both.
#pragma once

namespace quillon::engine::detail {

// A field ends at a comma or at a line end; both separate fields alike. Records are not tied to lines: a record
// is the next 18 fields.
inline constexpr char kComma = ',';

// A line ends at LF, CR LF or a lone CR. A line that holds nothing but blanks is skipped where a field would start
// a line.
inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';
constexpr bool isLineEnd(char c)
{
    return c == kCr || c == kLf;
}

// Spaces and tabs before a field are skipped; trailing ones stay in the value, for the converter to trim.
constexpr bool isLeadingBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A field whose first byte after the blanks is a quote runs to the next quote, which is not part of the value; a
// line end before it ends the value too, so a stray quote cannot swallow the rest of the file. Whatever follows
// the closing quote up to the separator is dropped. A quote anywhere else is a plain byte.
inline constexpr char kQuote = '"';

// Every other byte, NUL and bytes above 0x7F included, is part of a value and passes through unchanged.

// Blanks, quotes and line ends all sort at or below the quote, so one comparison lets the common field through;
// the few others that sort there take the careful way and come out the same.
constexpr bool isPlainStart(char c)
{
    return static_cast<unsigned char>(c) > static_cast<unsigned char>(kQuote);
}
static_assert(!isPlainStart(' ') && !isPlainStart('\t') && !isPlainStart(kQuote) && !isPlainStart(kCr) &&
              !isPlainStart(kLf));

} // namespace quillon::engine::detail
