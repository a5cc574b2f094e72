// One press of Start: open log.asc, replace log.adi and bad.adi, convert every record, write the trailers.
#pragma once

#include "engine/ContactRecord.h"
#include "engine/LogReader.h"
#include "engine/RecordConverter.h"
#include "run/Clock.h"
#include "run/FileSystem.h"
#include "run/LineWriter.h"
#include "run/LocaleNames.h"
#include "run/ReadAhead.h"
#include "run/RunHost.h"
#include "run/RunTexts.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

enum class RunOutcome {
    None,               // no run yet
    Completed,          // both trailers written, all files closed
    OpenFailed,         // log.asc could not be opened, or an output file could not be replaced
    InputEndedInRecord, // log.asc ended inside a record
    InputUnreadable,    // log.asc could not be read to its end
    WriteFailed,        // an output file could not be written or closed
    Stopped,            // the window was closed during the run
};

// How much a run reads ahead and buffers before writing. Tests and the fuzz target make them tiny, so that short
// inputs reach the reading and writing threads.
struct RunSizes {
    ReadAheadSizes input;
    std::size_t outputBuffer = 1024 * 1024;
    std::size_t readerBuffer = engine::LogReader::kDefaultBufferSize;
};

struct RunResult {
    RunOutcome outcome = RunOutcome::None;
    std::int64_t records = 0;    // complete records read
    std::int64_t logRecords = 0; // record lines handed to log.adi
    std::int64_t badRecords = 0; // record lines handed to bad.adi
    // Lines of log.asc that hold other than 18 fields, the first few of them, and how many in all.
    std::vector<engine::LogReader::OddLine> oddLines;
    std::int64_t oddLineCount = 0;
};

// The two phases of a run and the writers of the preamble and trailer keep their long-standing names
// (OpenRunFiles, ProcessRecords, ...), so the run can be matched to its description at a glance; the helpers
// around them follow the usual lowerCamelCase.
class ConversionRun
{
public:
    ConversionRun(RunHost& host, FileSystem& files, const Clock& clock, const LocaleNames& names, RunSizes sizes = {});
    ~ConversionRun();
    ConversionRun(const ConversionRun&) = delete;
    ConversionRun& operator=(const ConversionRun&) = delete;

    // What a press of Start does. A press while a run is going is ignored: it touches no file and shows nothing.
    void start();

    // Closes every file of the run that is open, as the window does when it closes. A run in its record loop
    // then ends quietly at its next step, without reading or writing anything more.
    void closeFiles();

    bool isRunning() const { return m_state != State::Idle; }
    const RunResult& result() const { return m_result; }

private:
    enum class State { Idle, Opening, Reading, Stopped };

    bool OpenRunFiles();
    void ProcessRecords();
    bool WritePreamble(LineWriter& file, OutputKind kind, const std::string& title);
    bool WriteTrailer(LineWriter& file, std::int64_t recordCount);

    std::vector<std::string> inputNames();
    bool removeOldOutput(OutputKind kind);
    bool createOutput(OutputKind kind);
    bool convertRecord();
    bool convertIntoOutput(OutputKind& kind);
    void finishRun();
    void noteOddLines();
    void showFormatHints();
    bool openingFailed(const Message& message);
    void readingFailed(engine::ReadResult reason);
    void writeFailed(OutputKind kind);
    std::optional<OutputKind> closeAll();
    void endRun(RunOutcome outcome);

    std::string pathOf(std::string_view fileName) const;
    std::optional<LineWriter>& output(OutputKind kind) { return m_outputs[static_cast<std::size_t>(kind)]; }

    RunHost& m_host;
    FileSystem& m_files;
    const Clock& m_clock;
    const LocaleNames& m_names;
    RunSizes m_sizes;

    State m_state = State::Idle;
    RunResult m_result;
    std::string m_inputPath;
    std::unique_ptr<InputFile> m_input;
    std::optional<ReadAhead> m_readAhead;
    std::optional<engine::LogReader> m_reader;
    std::array<std::optional<LineWriter>, 2> m_outputs;
    engine::ContactRecord m_record;
    engine::RecordConverter m_converter;
};

} // namespace quillon::run
