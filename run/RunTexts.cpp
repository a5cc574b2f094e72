// Preamble, trailer and timestamp texts of the output files.
#include "run/RunTexts.h"

#include "engine/ProgramInfo.h"

namespace quillon::run {

std::string twoDigits(int value)
{
    return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string listedNames(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return text;
}

std::string counted(std::int64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string timestampLine(const Clock& clock, const LocaleNames& names)
{
    const auto [date, time] = clock.now();
    const std::string& sep = names.timeSeparator();
    return "File converted on " + names.weekdayName(date.weekday) + ", " + names.monthAbbreviation(date.month) + " " +
           std::to_string(date.day) + ", " + std::to_string(date.year) + " at " + twoDigits(time.hour) + sep +
           twoDigits(time.minute) + sep + twoDigits(time.second);
}

std::vector<std::string> preambleLines(OutputKind kind, const OutputNames& names, std::string_view title,
                                       std::string_view timestamp, const std::vector<std::string>& headerFields)
{
    std::vector<std::string> lines{
        std::string(title),
        "Converter by " + std::string(engine::kAuthorName) + ", " + std::string(engine::kAuthorCall),
        "Email: " + std::string(engine::kAuthorEmail),
        std::string(timestamp),
    };
    if (kind == OutputKind::Log) {
        lines.push_back("See file " + names.badShown + " for any problems with this conversion.");
    } else {
        lines.emplace_back("This file contains records with problems found by the conversion program.");
        lines.emplace_back("You will find the string *BAD* with each problem.");
        lines.push_back("These records were NOT included in the file " + names.logShown);
        lines.emplace_back("You may text edit this file and use it as an ADIF format import file.");
    }
    lines.insert(lines.end(), headerFields.begin(), headerFields.end());
    lines.emplace_back("<EOH>");
    return lines;
}

std::string endOfRunLine(std::int64_t recordCount)
{
    return "Normal end of run - processed " + std::to_string(recordCount) + " records.";
}

} // namespace quillon::run
