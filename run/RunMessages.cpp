// Texts and titles of the run's failure messages; all carry the stop icon.
#include "run/RunMessages.h"

namespace quillon::run {

Message missingInputMessage(const std::string& inputPath)
{
    return {"The file: " + inputPath + " doesn't exist.", "Missing LOG.ASC", MessageStyle::Stop};
}

Message ambiguousInputMessage(const std::vector<std::string>& inputPaths)
{
    return {"The files: " + listedNames(inputPaths) + " all stand for LOG.ASC. Rename or remove all but one.",
            "Ambiguous LOG.ASC", MessageStyle::Stop};
}

Message badInputMessage(std::int64_t recordLine, const std::vector<engine::LogReader::OddLine>& oddLines)
{
    std::string text = "   The program detected an invalid number of fields in the input file.\n"
                       "Each record MUST have 18 fields and MUST be in the proper format.\n"
                       "Check the file LOG.ADI for the end of normal ADIF records to help you\n"
                       "                locate where the problem is in the input file.\n"
                       "The incomplete contact begins on line " +
                       std::to_string(recordLine) + ".";
    if (!oddLines.empty()) {
        std::string first = oddLineText(oddLines.front());
        first[0] = 'L';
        text += "\n" + first + ".";
    }
    return {text, "Bad LOG.ASC File", MessageStyle::Stop};
}

std::string oddLineText(const engine::LogReader::OddLine& line)
{
    return "line " + std::to_string(line.line) + " holds " + std::to_string(line.fields) +
           (line.fields == 1 ? " field" : " fields") + "; the contacts after it are shifted";
}

Message unreadableInputMessage(const std::string& inputPath)
{
    return {"The file: " + inputPath + " could not be read.", "Cannot read LOG.ASC", MessageStyle::Stop};
}

Message cannotWriteMessage(OutputKind kind, const std::string& path)
{
    return {"The file: " + path + " could not be written.", "Cannot write " + std::string(displayNameOf(kind)),
            MessageStyle::Stop};
}

} // namespace quillon::run
