// Parsing the options of quillon-convert.
#include "cli/CommandLine.h"

#include "engine/TextRules.h"
#include "run/PathText.h"

#include <filesystem>
#include <optional>

namespace quillon::cli {

namespace {

std::optional<engine::BandFormat> bandFormatFromName(const std::string& name)
{
    if (name == "METERS") {
        return engine::BandFormat::Meters;
    }
    if (name == "MHZ") {
        return engine::BandFormat::Mhz;
    }
    return std::nullopt;
}

CommandLine usageError(std::string error)
{
    CommandLine result;
    result.error = std::move(error);
    return result;
}

// Applies one option with its value; returns an error text, empty when all went well.
std::string applyOption(std::string_view name, const std::string& value, ConvertOptions& options, bool& haveDate)
{
    std::string upper = value;
    engine::upperCaseInPlace(upper);
    if (isOutputOption(name)) {
        return applyOutputOption(name, value, options.output);
    }
    if (name == "--date") {
        const auto layout = engine::dateLayoutFromName(upper);
        options.detectLayout = upper == "AUTO";
        if (!layout && !options.detectLayout) {
            return "unknown date layout '" + value + "' (use YY-MM-DD, MM-DD-YY, YY-DD-MM, DD-MM-YY or auto)";
        }
        options.layout = layout.value_or(options.layout);
        haveDate = true;
    } else if (name == "--band") {
        const auto band = bandFormatFromName(upper);
        options.detectBand = upper == "AUTO";
        if (!band && !options.detectBand) {
            return "unknown band format '" + value + "' (use meters, mhz or auto)";
        }
        options.band = band.value_or(options.band);
    } else if (value.empty()) {
        return "--dir needs a folder";
    } else {
        options.folder = value;
    }
    return {};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& arguments)
{
    CommandLine result;
    bool haveDate = false;
    std::string logPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        // "/?" asks for help as Windows programs are asked, and is no log anyone names.
        if (argument == "--help" || argument == "-h" || argument == "/?") {
            result.action = CommandAction::Help;
            return result;
        }
        if (argument == "--version") {
            result.action = CommandAction::Version;
            return result;
        }
        if (!argument.starts_with("-") && !argument.empty()) {
            if (!logPath.empty()) {
                return usageError("name one log, not two ('" + logPath + "' and '" + std::string(argument) + "')");
            }
            logPath = argument;
            continue;
        }
        if (argument == "--why") {
            result.options.why = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (name != "--date" && name != "--band" && name != "--dir" && !isOutputOption(name)) {
            return usageError("unknown argument '" + std::string(argument) + "'");
        }
        std::string value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return usageError(std::string(name) + " needs a value");
        }
        if (auto error = applyOption(name, value, result.options, haveDate); !error.empty()) {
            return usageError(std::move(error));
        }
    }
    if (!haveDate) {
        return usageError("--date is required: say how log.asc writes its dates");
    }
    if (!logPath.empty() && result.options.folder != ConvertOptions{}.folder) {
        return usageError("name a LOG or a --dir folder, not both");
    }
    if (!logPath.empty()) {
        // The outputs go beside the log named.
        const std::filesystem::path path = run::pathFromText(logPath);
        result.options.folder = path.has_parent_path() ? run::textFromPath(path.parent_path()) : ".";
        result.options.logFile = run::textFromPath(path.filename());
    }
    result.action = CommandAction::Convert;
    return result;
}

std::string usageText()
{
    return "Usage: quillon-convert --date LAYOUT [--band meters|mhz|auto] [--adif 3|classic] [--code-page CP]\n"
           "                       [--call SIGN] [--operator SIGN] [--why] [--dir DIR | LOG]\n"
           "\n"
           "Converts DIR/log.asc into DIR/log.adi (clean contacts) and DIR/bad.adi (contacts marked *BAD*).\n"
           "log.asc may be written in any letter case (LOG.ASC). A LOG named instead is converted with its\n"
           "outputs beside it.\n"
           "\n"
           "  --date LAYOUT  how log.asc writes its dates: YY-MM-DD, MM-DD-YY, YY-DD-MM or DD-MM-YY, or auto:\n"
           "                 the layout that clearly reads the most dates of the log (9 in 10 at least);\n"
           "                 the dates it cannot read go to bad.adi as typos, named by their lines\n"
           "  --band FORMAT  how log.asc writes its band column: meters (the default) or mhz, or auto\n"
           "  --dir DIR      the folder that holds log.asc and receives the output files (default: here)\n" +
           std::string(outputOptionsUsage()) +
           "  --why          after the run, list each contact sent to bad.adi by its line, with the reason of\n"
           "                 each field that failed\n"
           "  --help         show this text\n"
           "  --version      show the version\n"
           "\n"
           "Exit status: 0 done; 1 log.asc is missing or could not be opened, or an output file could not\n"
           "be replaced (it is read-only, say); 2 log.asc ended inside a record or could not be read to its end; 3 an "
           "output file\n"
           "could not be written; 64 bad usage.\n";
}

} // namespace quillon::cli
