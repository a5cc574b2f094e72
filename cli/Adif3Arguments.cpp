// Parsing the output options of quillon-convert.
#include "cli/Adif3Arguments.h"

namespace quillon::cli {

namespace {

constexpr std::string_view kCall = "--call";
constexpr std::string_view kOperator = "--operator";

} // namespace

bool isOutputOption(std::string_view name)
{
    return name == "--adif" || name == "--code-page" || name == kCall || name == kOperator;
}

std::string applyOutputOption(std::string_view name, const std::string& value, OutputChoice& choice)
{
    if (name == "--adif") {
        const auto version = engine::adifVersionFromName(value);
        if (!version) {
            return "unknown ADIF version '" + value + "' (use 3 or classic)";
        }
        choice.version = *version;
        return {};
    }
    if (choice.adif3OnlyGiven.empty()) {
        choice.adif3OnlyGiven = name;
    }
    if (name == "--code-page") {
        const auto page = engine::codePageFromName(value);
        if (!page) {
            return "unknown code page '" + value + "' (use 437, 850, 1252, latin1 or utf8)";
        }
        choice.adif3.codePage = *page;
    } else {
        const std::string call = engine::normalisedCallsign(value);
        if (call.empty()) {
            return "'" + value + "' is no call sign for " + std::string(name) + " (letters, digits and / only)";
        }
        (name == kCall ? choice.adif3.stationCallsign : choice.adif3.operatorCallsign) = call;
    }
    return {};
}

std::string ignoredOptionsWarning(const OutputChoice& choice)
{
    if (choice.version != engine::AdifVersion::Classic || choice.adif3OnlyGiven.empty()) {
        return {};
    }
    return choice.adif3OnlyGiven + " applies to ADIF 3 only (--adif 3); the classic output is written without it";
}

std::string_view outputOptionsUsage()
{
    return "  --adif VERSION   classic (the default: the output as Quillon has always written it) or 3: ADIF 3.1.6\n"
           "                   for today's logbooks, with ADIF's bands, modes and submodes, the text in plain ASCII,\n"
           "                   header fields, and each line of the log read as one contact\n"
           "  --code-page CP   with --adif 3: the log's code page, 437, 850, 1252 (the default), latin1 or utf8;\n"
           "                   text that is valid UTF-8 is read as UTF-8 whatever is chosen\n"
           "  --call SIGN      with --adif 3: your call sign, written into every record as STATION_CALLSIGN\n"
           "  --operator SIGN  with --adif 3: the operator's call sign, written into every record as OPERATOR\n";
}

} // namespace quillon::cli
