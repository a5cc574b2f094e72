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

Message badInputMessage()
{
    return {"   The program detected an invalid number of fields in the input file.\n"
            "Each record MUST have 18 fields and MUST be in the proper format.\n"
            "Check the file LOG.ADI for the end of normal ADIF records to help you\n"
            "                locate where the problem is in the input file.",
            "Bad LOG.ASC File", MessageStyle::Stop};
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
