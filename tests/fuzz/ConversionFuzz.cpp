// Feeds arbitrary bytes as log.asc through a whole run and checks that nothing is lost or malformed: every
// complete record read gives one whole line in exactly one output file. The reader is also checked against
// itself: splitting whole lines at once must give what reading field by field gives, also through the reading
// thread. Each input gets one run, in the classic output or in ADIF 3, so that the fuzzer gets through hundreds of
// inputs a second; its output, date layout, band format and sizes follow from the input's bytes, so a saved input
// replays the same run. Half the runs use tiny blocks and buffers, so that short inputs reach the reading and
// writing threads; the other half read a short log as the product does, in one block and without a thread, from
// blocks small enough to be cheap to allocate.
#include "engine/DateLayout.h"
#include "engine/ProgramInfo.h"
#include "run/ConversionRun.h"
#include "tests/run/FakeRunHost.h"
#include "tests/run/FixedClock.h"
#include "tests/support/AdifLineCheck.h"
#include "tests/support/ReadAllRecords.h"
#include "tests/support/StringSource.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnsyncedFileSystem.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <iterator>

namespace {

using namespace quillon;

void require(bool condition, const char* what, const std::string& detail = {})
{
    if (!condition) {
        std::cerr << "property broken: " << what << "\n" << detail << "\n";
        std::abort();
    }
}

// The record lines of one output file: what stands between "<EOH>" and the trailer (or the end of the file).
std::vector<std::string> recordLines(const std::string& file, bool completed)
{
    auto lines = tests::crlfLines(file);
    require(file.ends_with("\r\n"), "an output file ends on a line end");
    const auto header = std::find(lines.begin(), lines.end(), "<EOH>");
    require(header != lines.end(), "the preamble ends in <EOH>");
    std::vector<std::string> records(header + 1, lines.end());
    if (completed) {
        require(records.size() >= 2 && records[records.size() - 2].empty(), "the trailer starts with an empty line");
        records.resize(records.size() - 2);
    }
    return records;
}

// One run over log.asc in `folder`, beside the outputs of an earlier run that left no record, which it keeps.
void checkRun(const tests::TempFolder& folder, engine::DateLayout layout, engine::BandFormat band, run::RunSizes sizes,
              engine::AdifVersion output)
{
    tests::UnsyncedFileSystem files;
    tests::FakeRunHost host(folder.path().string());
    host.layout = layout;
    host.band = band;
    host.version = output;
    host.adif3 = {engine::CodePage::Dos437, "N0CALL", {}};
    // ADIF 3 records carry fields beyond the classic eighteen (SUBMODE, STATION_CALLSIGN, a bad line's text), and
    // their problem fragments declare their whole length, so only the classic lines are read back fragment by
    // fragment.
    const bool classic = output == engine::AdifVersion::Classic;
    tests::FixedClock clock;
    run::LocaleNames names;
    run::ConversionRun conversion(host, files, clock, names, sizes);
    conversion.start();

    const auto& result = conversion.result();
    const bool completed = result.outcome == run::RunOutcome::Completed;
    require(completed || result.outcome == run::RunOutcome::InputEndedInRecord, "the run ends normally or short");
    require(std::distance(std::filesystem::directory_iterator(folder.path()), {}) == 6,
            "the folder holds log.asc, log.adi, bad.adi, their record and the earlier files kept, and no temporary");
    for (const char* name : {"log.adi", "bad.adi"}) {
        require(tests::readFile(folder.path() / (name + std::string(".kept-2026-12-05-2035"))) ==
                    "an earlier run's " + std::string(name),
                "the earlier file, which no record vouches for, is kept", name);
    }
    const std::string logFile = tests::readFile(folder.path() / "log.adi");
    const auto log = recordLines(logFile, completed);
    const auto bad = recordLines(tests::readFile(folder.path() / "bad.adi"), completed);
    require(static_cast<std::int64_t>(log.size() + bad.size()) == result.records, "one line per record read");
    for (const auto& line : log) {
        require(line.find("*BAD*") == std::string::npos, "log.adi holds no marker", line);
        require(!classic || tests::splitsIntoFragments(line), "every clean fragment declares its length", line);
    }
    for (const auto& line : bad) {
        require(line.find("*BAD*") != std::string::npos, "bad.adi holds only marked lines", line);
        require(!classic || tests::splitsIntoFragments(line, tests::Markers::Skipped),
                "every unmarked fragment declares its length", line);
    }
    if (completed) {
        const std::string trailer = "Normal end of run - processed " + std::to_string(result.records) + " records.";
        require(tests::crlfLines(logFile).back() == trailer, "the trailer counts every record");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    // A buffer of a few bytes never holds a whole line, so that reader takes every field on its own.
    tests::StringSource whole(input, 1 << 16);
    tests::StringSource fewBytes(input, 3);
    tests::StringSource ahead(input, 3);
    run::ReadAhead readAhead(ahead, {61, 2});
    const tests::ReadOutcome wholeLines = tests::readAllRecords(whole, 1 << 16);
    require(wholeLines == tests::readAllRecords(fewBytes, 7), "whole lines split as fields read one by one");
    require(wholeLines == tests::readAllRecords(readAhead, 100), "reading ahead on a thread changes nothing");
    const tests::TempFolder folder;
    tests::writeFile(folder.path() / "log.asc", input);
    tests::writeFile(folder.path() / "log.adi", "an earlier run's log.adi");
    tests::writeFile(folder.path() / "bad.adi", "an earlier run's bad.adi");
    std::size_t pick = std::hash<std::string>{}(input);
    const auto take = [&pick](std::size_t choices) {
        const std::size_t choice = pick % choices;
        pick /= choices;
        return choice;
    };
    const auto layout = engine::kAllDateLayouts[take(std::size(engine::kAllDateLayouts))];
    const auto band = engine::kAllBandFormats[take(std::size(engine::kAllBandFormats))];
    const run::RunSizes oneBlock{{16 * 1024, 2}, 128 * 1024, 16 * 1024};
    const run::RunSizes tiny{{61, 2}, 509, 32};
    const run::RunSizes sizes = take(2) == 0 ? oneBlock : tiny;
    checkRun(folder, layout, band, sizes, take(2) == 0 ? engine::AdifVersion::Classic : engine::AdifVersion::Adif3);
    return 0;
}
