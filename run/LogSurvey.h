// Reading a whole log once, before converting it, to see how its dates and bands read under every layout and format.
#pragma once

#include "engine/FormatSurvey.h"
#include "run/DateLayoutRule.h"
#include "run/FileSystem.h"

#include <optional>
#include <string>

namespace quillon::run {

// The dates and bands of the whole log at `path`, with the lines they are on; nullopt when it cannot be opened
// (the conversion then reports that as usual). A record cut short at the end is left out.
std::optional<engine::FormatSurvey> surveyLog(FileSystem& files, const std::string& path);

// The same for the log a run in `folder` would read (the one named, or log.asc in any letter case); nullopt when
// there is none, it is ambiguous, or it cannot be opened.
std::optional<engine::FormatSurvey> surveyInput(FileSystem& files, const std::string& folder,
                                                const std::string& namedLog);

// For a window that checks the layout before writing anything: the advice on the log a run would read, if any.
std::optional<LayoutAdvice> checkDateLayout(FileSystem& files, const std::string& folder, const std::string& namedLog,
                                            engine::DateLayout chosen);

} // namespace quillon::run
