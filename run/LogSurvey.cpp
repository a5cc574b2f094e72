// The survey of a log that is only looked at, not converted.
#include "run/LogSurvey.h"

#include "engine/LogReader.h"
#include "run/RunInput.h"

namespace quillon::run {

std::optional<engine::FormatSurvey> surveyLog(FileSystem& files, const std::string& path)
{
    const auto input = files.openForReading(path);
    if (!input) {
        return std::nullopt;
    }
    engine::LogReader reader(*input);
    engine::ContactRecord record;
    engine::FormatSurvey survey;
    while (!reader.atEnd() && reader.readRecord(record) == engine::ReadResult::Complete) {
        survey.add(record, reader.recordLine());
    }
    return survey;
}

std::optional<engine::FormatSurvey> surveyInput(FileSystem& files, const std::string& folder,
                                                const std::string& namedLog)
{
    const RunInput input = chooseInput(files, folder, namedLog);
    return input.status == RunInput::Status::Found ? surveyLog(files, input.path) : std::nullopt;
}

std::optional<LayoutAdvice> checkDateLayout(FileSystem& files, const std::string& folder, const std::string& namedLog,
                                            engine::DateLayout chosen)
{
    const auto survey = surveyInput(files, folder, namedLog);
    return survey ? adviseDateLayout(*survey, chosen) : std::nullopt;
}

} // namespace quillon::run
