// The opening phase, the record loop and the ways a run can end.
#include "run/ConversionRun.h"

#include "run/Adif3Run.h"
#include "run/FormatHints.h"
#include "run/RunMessages.h"

namespace quillon::run {

namespace {
constexpr OutputKind kOutputKinds[] = {OutputKind::Log, OutputKind::Bad};
}

ConversionRun::ConversionRun(RunHost& host, FileSystem& files, const Clock& clock, const LocaleNames& names,
                             RunSizes sizes)
    : m_host(host)
    , m_files(files)
    , m_clock(clock)
    , m_names(names)
    , m_sizes(sizes)
    , m_log(files, sizes.input, sizes.readerBuffer)
{
}

ConversionRun::~ConversionRun()
{
    closeAll();
}

void ConversionRun::start()
{
    if (m_state != State::Idle) {
        return;
    }
    m_state = State::Opening;
    m_result = RunResult{};
    m_result.outputs = outputNamesFor(m_host.logFileName());
    m_host.setStatusText(kProcessingStatus);
    if (OpenRunFiles()) {
        ProcessRecords();
    }
}

void ConversionRun::closeFiles()
{
    closeAll();
    if (m_state != State::Idle) {
        m_state = State::Stopped;
    }
}

// Nothing is written unless log.asc could be opened, and the old outputs are not touched at all before the end.
// The caption is read again for each file, as the window shows it at that moment. The preambles go to disk at
// once, so a file that cannot be written is found out while the run is still opening.
bool ConversionRun::OpenRunFiles()
{
    if (const auto problem = m_log.open(m_host.logFolder(), m_host.logFileName(), m_result.outputs.input)) {
        return openingFailed(*problem);
    }
    m_outputs.emplace(m_files, m_host.logFolder(), m_result.outputs, m_clock, m_sizes.outputBuffer);
    if (!m_outputs->create()) {
        return outputsFailedOpening();
    }
    const bool adif3 = m_host.adifVersion() == engine::AdifVersion::Adif3;
    m_converter.setOutput(m_host.adifVersion(), m_host.adif3Options());
    m_log.reader().setLineByLine(adif3);
    for (OutputKind kind : kOutputKinds) {
        const auto header = adif3 ? adif3HeaderFields(m_clock) : std::vector<std::string>();
        if (!m_outputs->WritePreamble(kind, m_host.caption(), timestampLine(m_clock, m_names), header)) {
            return outputsFailedOpening();
        }
    }
    return true;
}

void ConversionRun::ProcessRecords()
{
    m_state = State::Reading;
    m_result.records = 0;
    m_converter.clearSurvey();
    while (!m_log.reader().atEnd()) {
        if (stoppedMeanwhile() || !convertRecord()) {
            return;
        }
    }
    finishRun();
}

// The counter shows records read, so it is set before the record is converted.
bool ConversionRun::convertRecord()
{
    const engine::ReadResult read = m_log.reader().readRecord(m_record);
    const bool oddLine = read == engine::ReadResult::OddLine;
    if (read != engine::ReadResult::Complete && !oddLine) {
        readingFailed(read);
        return false;
    }
    ++m_result.records;
    m_host.setRecordCount(m_result.records);
    m_converter.setSurveyLine(m_log.reader().recordLine());
    OutputKind kind;
    if (!convertIntoOutput(kind, oddLine)) {
        m_outputs->noteWriteFailure(kind);
        outputsFailed();
        return false;
    }
    ++(kind == OutputKind::Log ? m_result.logRecords : m_result.badRecords);
    return true;
}

// Most lines belong in log.adi, so each is built in that file's buffer and moved only when it turns out bad.
// Says which file the line went to and whether it could be written.
bool ConversionRun::convertIntoOutput(OutputKind& kind, bool oddLine)
{
    LineWriter& log = (*m_outputs)[OutputKind::Log];
    const engine::LogReader& reader = m_log.reader();
    const engine::Destination destination =
        oddLine ? m_converter.convertOddLine(reader.oddLineFields(), reader.recordLine(), log.openLine())
                : m_converter.convert(m_record, m_host, log.openLine());
    if (destination == engine::Destination::LogFile) {
        kind = OutputKind::Log;
        return log.closeLine();
    }
    kind = OutputKind::Bad;
    const bool written = (*m_outputs)[kind].writeLine(log.openLineText());
    log.dropLine();
    return written;
}

void ConversionRun::finishRun()
{
    noteOddLines();
    m_log.close();
    if (!m_outputs->WriteTrailer(OutputKind::Log, m_result.records) ||
        !m_outputs->WriteTrailer(OutputKind::Bad, m_result.records) || !putOutputsInPlace()) {
        outputsFailed();
        return;
    }
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::Completed);
    if (m_result.records == 0) {
        m_result.notes.push_back(emptyLogNote(m_result.outputs, false));
    }
    for (Message& hint : formatHints(m_converter.survey(), m_host.dateLayout(), m_host.bandFormat())) {
        m_result.notes.push_back(std::move(hint));
    }
    if (const auto folded = foldedFieldsNote(m_converter.foldedFields())) {
        m_result.notes.push_back(*folded);
    }
    m_host.showRunResult(m_result);
}

// Bringing the files to disk can take a while; a user who closes the window meanwhile keeps the old files. An old
// output copied aside is noted even when a later step fails.
// False, with the outputs' failure to report, unless it was the window's closing that stopped it.
bool ConversionRun::putOutputsInPlace()
{
    const bool committed = m_outputs->close() && !stoppedMeanwhile() && m_outputs->commit();
    for (const KeptOutput& kept : m_outputs ? m_outputs->kept() : std::vector<KeptOutput>{}) {
        m_result.notes.push_back(keptOutputNote(kept, m_result.outputs.name(kept.kind)));
    }
    return committed;
}

// Lets the window handle its events; true when it was closed meanwhile, which has thrown the new files away.
bool ConversionRun::stoppedMeanwhile()
{
    m_host.processPendingEvents();
    if (m_state == State::Reading) {
        return false;
    }
    m_result.outcome = RunOutcome::Stopped;
    m_state = State::Idle;
    return true;
}

void ConversionRun::noteOddLines()
{
    m_result.oddLines = m_log.reader().oddLines();
    m_result.oddLineCount = m_log.reader().oddLineCount();
}

// Here the status is blanked before the message is shown.
bool ConversionRun::openingFailed(const Message& message)
{
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::OpenFailed);
    m_host.showMessage(message);
    return false;
}

// The records before a record cut short are put in place, without trailers, and "Processing....." stays on show
// while the message is up. A log that could not be read to its end leaves the old outputs as they were.
void ConversionRun::readingFailed(engine::ReadResult reason)
{
    noteOddLines();
    const std::int64_t recordLine = m_log.reader().recordLine();
    m_log.close();
    if (reason == engine::ReadResult::InputExhausted) {
        if (!putOutputsInPlace()) {
            outputsFailed();
            return;
        }
        closeAll();
        endRun(RunOutcome::InputEndedInRecord);
        if (m_result.records == 0) {
            m_result.notes.push_back(emptyLogNote(m_result.outputs, true));
        }
        m_host.showMessage(badInputMessage(recordLine, m_result.oddLines, m_result.outputs));
        m_host.setStatusText(kIdleStatus);
        m_host.showRunResult(m_result);
        return;
    }
    const Message message = unreadableInputMessage(m_log.path(), m_log.failureReason(), m_result.outputs.input);
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::InputUnreadable);
    m_host.showMessage(message);
}

// A failed write stops the run at once and throws the new files away. Nothing is reported when the window was
// closed meanwhile: that has ended the run already.
void ConversionRun::outputsFailed()
{
    if (m_state != State::Reading) {
        return;
    }
    Message message = outputsFailureMessage();
    for (const Message& kept : m_result.notes) {
        message.text += "\n" + kept.text; // a copy made before the failure stays, and is named
    }
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::WriteFailed);
    m_host.showMessage(message);
}

bool ConversionRun::outputsFailedOpening()
{
    return openingFailed(outputsFailureMessage());
}

Message ConversionRun::outputsFailureMessage() const
{
    const std::string& shown = m_result.outputs.shown(m_outputs->failedKind());
    if (m_outputs->failedReadOnly()) {
        return readOnlyOutputMessage(shown, m_outputs->failedPath());
    }
    return cannotWriteMessage(shown, m_outputs->failedPath(), m_outputs->failureReason());
}

// Outputs not yet put in place are thrown away with their writers.
void ConversionRun::closeAll()
{
    m_log.close();
    m_outputs.reset();
}

void ConversionRun::endRun(RunOutcome outcome)
{
    m_result.outcome = outcome;
    m_state = State::Idle;
}

} // namespace quillon::run
