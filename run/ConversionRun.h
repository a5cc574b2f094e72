// One press of Start: open log.asc, write new log.adi and bad.adi beside the old ones, convert every record, and
// put the new files in place of the old ones once they are complete.
#pragma once

#include "engine/LogReader.h"
#include "engine/RecordConverter.h"
#include "run/Clock.h"
#include "run/LocaleNames.h"
#include "run/LogInput.h"
#include "run/RunOutputs.h"
#include "run/RunResult.h"

#include <optional>

namespace quillon::run {

// How much a run reads ahead and buffers before writing. Tests and the fuzz target make them tiny, so that short
// inputs reach the reading and writing threads.
struct RunSizes {
    ReadAheadSizes input;
    std::size_t outputBuffer = 1024 * 1024;
    std::size_t readerBuffer = engine::LogReader::kDefaultBufferSize;
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

    // Closes every file of the run and throws the new outputs away, as the window does when it closes; the old
    // outputs stay as they were. A run in its record loop then ends quietly at its next step.
    void closeFiles();

    bool isRunning() const { return m_state != State::Idle; }
    const RunResult& result() const { return m_result; }

private:
    enum class State { Idle, Opening, Reading, Stopped };

    bool OpenRunFiles();
    void ProcessRecords();

    bool convertRecord();
    bool convertIntoOutput(OutputKind& kind, bool oddLine);
    void finishRun();
    bool putOutputsInPlace();
    bool stoppedMeanwhile();
    void noteOddLines();
    bool openingFailed(const Message& message);
    bool outputsFailedOpening();
    Message outputsFailureMessage() const;
    void readingFailed(engine::ReadResult reason);
    void outputsFailed();
    void closeAll();
    void endRun(RunOutcome outcome);

    RunHost& m_host;
    FileSystem& m_files;
    const Clock& m_clock;
    const LocaleNames& m_names;
    RunSizes m_sizes;

    State m_state = State::Idle;
    RunResult m_result;
    LogInput m_log;
    std::optional<RunOutputs> m_outputs;
    engine::ContactRecord m_record;
    engine::RecordConverter m_converter;
};

} // namespace quillon::run
