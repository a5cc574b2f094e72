// Runs one conversion for the command line and turns its outcome into an exit status and a summary.
#include "cli/ConvertCommand.h"

#include "cli/CommandLine.h"
#include "cli/ConsoleHost.h"
#include "cli/FormatDetection.h"
#include "cli/StopSignals.h"
#include "engine/ProgramInfo.h"
#include "run/BadContacts.h"
#include "run/DateLayoutRule.h"
#include "run/LogSurvey.h"
#include "run/PathText.h"
#include "run/RunInput.h"
#include "run/RunMessages.h"
#include "run/SystemRun.h"

#include <filesystem>

namespace quillon::cli {

namespace {

int exitStatusOf(run::RunOutcome outcome)
{
    switch (outcome) {
    case run::RunOutcome::Completed:
        return kExitDone;
    case run::RunOutcome::InputEndedInRecord:
    case run::RunOutcome::InputUnreadable:
        return kExitBadInput;
    case run::RunOutcome::WriteFailed:
        return kExitWriteFailed;
    default:
        return kExitOpenFailed;
    }
}

void printSummary(const run::RunResult& result, std::FILE* out)
{
    std::fprintf(out, "%s converted: %lld to %s, %lld to %s\n", run::counted(result.records, "contact").c_str(),
                 static_cast<long long>(result.logRecords), result.outputs.logShown.c_str(),
                 static_cast<long long>(result.badRecords), result.outputs.badShown.c_str());
}

// The date and band notes, then where the field count goes wrong, so the user can find the line instead of
// hunting for it.
void printNotes(const run::RunResult& result, std::FILE* errors)
{
    for (const run::Message& note : result.notes) {
        ConsoleHost::print(note, errors);
    }
    for (const auto& line : result.oddLines) {
        std::fprintf(errors, "warning: %s\n", run::oddLineText(line).c_str());
    }
    if (const std::string more = run::moreOddLinesText(result); !more.empty()) {
        std::fprintf(errors, "warning: %s\n", more.c_str());
    }
}

// Each line of the log whose contact went to the bad file, with what is wrong with it, read again with the run's
// choices; a line to be mended as a whole says so itself.
void printReasons(run::FileSystem& files, const ConvertOptions& options, std::FILE* out)
{
    const run::RunInput input = run::chooseInput(files, options.folder, options.logFile);
    const engine::CheckChoices choices{options.layout, options.band, options.output.version,
                                       options.output.adif3.codePage};
    const run::BadContactList list = run::findBadContacts(files, input.path, choices);
    for (const run::BadContact& contact : list.contacts) {
        for (const engine::FieldProblem& problem : contact.problems) {
            std::string where = "line " + std::to_string(contact.line) + ": ";
            if (contact.wholeContact) {
                where.append(engine::fieldLabel(problem.field)).append(": ");
            } else if (problem.reason.starts_with("line ")) {
                where.clear();
            }
            std::fprintf(out, "%s%s\n", where.c_str(), problem.reason.c_str());
        }
    }
}

// A folder to convert in that is missing, or is no folder, is a mistake in the command, not in the log.
std::string folderProblem(const std::string& folder)
{
    std::error_code error;
    if (std::filesystem::is_directory(run::pathFromText(folder), error)) {
        return {};
    }
    return std::filesystem::exists(run::pathFromText(folder), error) ? folder + " is not a folder"
                                                                     : folder + ": no such folder";
}

// Settles "auto" from the log's own dates and bands, read from the file the conversion will read. False, with
// the reason printed, when the log leaves no single choice. A log that cannot be opened, or that is ambiguous, is
// left to the run, which reports it as usual.
bool chooseFormats(run::FileSystem& files, ConvertOptions& options, std::FILE* errors)
{
    if (!options.detectLayout && !options.detectBand) {
        return true;
    }
    const run::RunInput input = run::chooseInput(files, options.folder, options.logFile);
    const auto survey = input.status == run::RunInput::Status::Found ? run::surveyLog(files, input.path) : std::nullopt;
    if (!survey) {
        return true;
    }
    const std::string logName = run::textFromPath(run::pathFromText(input.path).filename());
    const std::string badName = run::outputNamesFor(logName).bad;
    const auto settle = [errors](auto detected, auto& choice, auto nameOf, const char* what, auto leftBad) {
        if (const auto* text = std::get_if<std::string>(&detected)) {
            std::fprintf(errors, "quillon-convert: %s\n", text->c_str());
            return false;
        }
        choice = std::get<0>(detected);
        std::fprintf(errors, "quillon-convert: %s read as %s\n", what, std::string(nameOf(choice)).c_str());
        if (const std::string typos = leftBad(choice); !typos.empty()) {
            std::fprintf(errors, "quillon-convert: %s\n", typos.c_str());
        }
        return true;
    };
    const auto datesLeftBad = [&](engine::DateLayout layout) {
        return run::datesLeftBadText(*survey, layout, badName);
    };
    const auto bandsLeftBad = [&](engine::BandFormat) {
        return typosNote(survey->bandsNoFormatReads(), "band", "format", badName);
    };
    return (!options.detectLayout || settle(detectDateLayout(*survey, logName), options.layout, engine::dateLayoutName,
                                            "dates", datesLeftBad)) &&
           (!options.detectBand ||
            settle(detectBandFormat(*survey, logName), options.band, engine::bandFormatName, "bands", bandsLeftBad));
}

} // namespace

int runConvertCommand(const std::vector<std::string_view>& arguments, std::FILE* out, std::FILE* errors,
                      bool errorsIsTerminal)
{
    const CommandLine command = parseCommandLine(arguments);
    switch (command.action) {
    case CommandAction::Help:
        std::fputs(usageText().c_str(), out);
        return kExitDone;
    case CommandAction::Version:
        std::fprintf(out, "quillon-convert %s\n", engine::versionText().c_str());
        return kExitDone;
    case CommandAction::UsageError:
        std::fprintf(errors, "quillon-convert: %s\nTry 'quillon-convert --help'.\n", command.error.c_str());
        return kExitUsage;
    case CommandAction::Convert:
        break;
    }

    if (const std::string problem = folderProblem(command.options.folder); !problem.empty()) {
        std::fprintf(errors, "quillon-convert: %s\n", problem.c_str());
        return kExitUsage;
    }
    if (const std::string ignored = ignoredOptionsWarning(command.options.output); !ignored.empty()) {
        std::fprintf(errors, "quillon-convert: warning: %s\n", ignored.c_str());
    }
    ConvertOptions options = command.options;
    ConsoleHost host(options, errors, errorsIsTerminal);
    run::SystemRun wiring(host);
    if (!chooseFormats(wiring.files(), options, errors)) {
        return kExitUsage;
    }
    host.setFormats(options.layout, options.band);
    run::ConversionRun& conversion = wiring.conversion();
    const StopSignals signals;
    host.setStopAction([&conversion] { conversion.closeFiles(); });
    conversion.start();
    host.finishProgress();

    const run::RunResult& result = conversion.result();
    if (result.outcome == run::RunOutcome::Completed || result.outcome == run::RunOutcome::InputEndedInRecord) {
        printSummary(result, out);
        if (options.why && result.badRecords > 0) {
            printReasons(wiring.files(), options, out);
        }
    }
    std::fflush(out);
    printNotes(result, errors);
    if (const int signal = StopSignals::received(); signal != 0) {
        if (result.outcome == run::RunOutcome::Stopped) {
            std::fprintf(errors, "quillon-convert: stopped; %s and %s are as they were\n",
                         result.outputs.logShown.c_str(), result.outputs.badShown.c_str());
        }
        StopSignals::finished();
        return 128 + signal;
    }
    return exitStatusOf(result.outcome);
}

} // namespace quillon::cli
