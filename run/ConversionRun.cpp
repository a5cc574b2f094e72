// The opening phase, the record loop and the three ways a run can fail.
#include "run/ConversionRun.h"

#include "run/CaseBlindName.h"
#include "run/FormatHints.h"
#include "run/PathText.h"
#include "run/RunMessages.h"

#include <algorithm>

namespace quillon::run {

namespace {
constexpr std::array<OutputKind, 2> kOutputKinds{OutputKind::Log, OutputKind::Bad};
}

ConversionRun::ConversionRun(RunHost& host, FileSystem& files, const Clock& clock, const LocaleNames& names,
                             RunSizes sizes)
    : m_host(host)
    , m_files(files)
    , m_clock(clock)
    , m_names(names)
    , m_sizes(sizes)
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

// Nothing is deleted unless log.asc could be opened, and both old outputs are gone before either new one is
// created.
bool ConversionRun::OpenRunFiles()
{
    const std::vector<std::string> inputs = inputNames();
    if (inputs.size() > 1) {
        std::vector<std::string> paths;
        for (const std::string& name : inputs) {
            paths.push_back(pathOf(name));
        }
        return openingFailed(ambiguousInputMessage(paths));
    }
    m_inputPath = pathOf(inputs.empty() ? std::string(kInputFileName) : inputs.front());
    m_input = m_files.openForReading(m_inputPath);
    if (!m_input) {
        // A log.asc that stands there but cannot be read must not send the user looking for a missing file.
        return openingFailed(m_files.exists(m_inputPath) ? unreadableInputMessage(m_inputPath)
                                                         : missingInputMessage(m_inputPath));
    }
    m_readAhead.emplace(*m_input, m_sizes.input);
    m_reader.emplace(*m_readAhead, m_sizes.readerBuffer);
    for (OutputKind kind : kOutputKinds) {
        if (!removeOldOutput(kind)) {
            return openingFailed(cannotWriteMessage(kind, pathOf(fileNameOf(kind))));
        }
    }
    for (OutputKind kind : kOutputKinds) {
        if (!createOutput(kind)) {
            return openingFailed(cannotWriteMessage(kind, pathOf(fileNameOf(kind))));
        }
    }
    return true;
}

// log.asc itself, or else every file whose name is log.asc in another letter case (as DOS wrote it, LOG.ASC):
// the one found is read, and more than one is ambiguous.
std::vector<std::string> ConversionRun::inputNames()
{
    if (const std::string named = m_host.logFileName(); !named.empty()) {
        return {named};
    }
    if (m_files.exists(pathOf(kInputFileName))) {
        return {std::string(kInputFileName)};
    }
    return caseBlindMatches(m_files.namesIn(m_host.programFolder()), kInputFileName);
}

// An old output in any letter case goes (LOG.ADI, Bad.Adi), so no stale twin stays beside the new file.
bool ConversionRun::removeOldOutput(OutputKind kind)
{
    const std::string_view name = fileNameOf(kind);
    std::vector<std::string> old = caseBlindMatches(m_files.namesIn(m_host.programFolder()), name);
    if (std::find(old.begin(), old.end(), name) == old.end() && m_files.exists(pathOf(name))) {
        old.emplace_back(name);
    }
    // Where letter case does not count (Windows), LOG.ADI and log.adi are one file, gone after its first removal.
    return std::all_of(old.begin(), old.end(), [this](const std::string& n) {
        return m_files.remove(pathOf(n)) || !m_files.exists(pathOf(n));
    });
}

// The caption is read again for each file, as the window shows it at that moment. The preamble goes to disk
// at once, so a file that cannot be written is found out while the run is still opening.
bool ConversionRun::createOutput(OutputKind kind)
{
    auto file = m_files.createForWriting(pathOf(fileNameOf(kind)));
    if (!file) {
        return false;
    }
    auto& writer = output(kind).emplace(std::move(file), m_sizes.outputBuffer);
    return WritePreamble(writer, kind, m_host.caption()) && writer.flush();
}

bool ConversionRun::WritePreamble(LineWriter& file, OutputKind kind, const std::string& title)
{
    for (const auto& line : preambleLines(kind, title, timestampLine(m_clock, m_names))) {
        if (!file.writeLine(line)) {
            return false;
        }
    }
    return true;
}

bool ConversionRun::WriteTrailer(LineWriter& file, std::int64_t recordCount)
{
    return file.writeLine("") && file.writeLine(endOfRunLine(recordCount));
}

void ConversionRun::ProcessRecords()
{
    m_state = State::Reading;
    m_result.records = 0;
    m_converter.clearSurvey();
    while (!m_reader->atEnd()) {
        m_host.processPendingEvents();
        if (m_state != State::Reading) {
            // The window was closed meanwhile and has closed the files: end quietly, touching nothing.
            m_result.outcome = RunOutcome::Stopped;
            m_state = State::Idle;
            return;
        }
        if (!convertRecord()) {
            return;
        }
    }
    finishRun();
}

// The counter shows records read, so it is set before the record is converted.
bool ConversionRun::convertRecord()
{
    const engine::ReadResult read = m_reader->readRecord(m_record);
    if (read != engine::ReadResult::Complete) {
        readingFailed(read);
        return false;
    }
    ++m_result.records;
    m_host.setRecordCount(m_result.records);
    OutputKind kind;
    if (!convertIntoOutput(kind)) {
        writeFailed(kind);
        return false;
    }
    ++(kind == OutputKind::Log ? m_result.logRecords : m_result.badRecords);
    return true;
}

// Most lines belong in log.adi, so each is built in that file's buffer and moved only when it turns out bad.
// Says which file the line went to and whether it could be written.
bool ConversionRun::convertIntoOutput(OutputKind& kind)
{
    LineWriter& log = *output(OutputKind::Log);
    const engine::Destination destination = m_converter.convert(m_record, m_host, log.openLine());
    if (destination == engine::Destination::LogFile) {
        kind = OutputKind::Log;
        return log.closeLine();
    }
    kind = OutputKind::Bad;
    const bool written = output(kind)->writeLine(log.openLineText());
    log.dropLine();
    return written;
}

// Every record line is on disk before either file gets its trailer, so a disk that fills up among the records
// never leaves a file that claims a normal end.
void ConversionRun::finishRun()
{
    noteOddLines();
    m_input->close();
    for (OutputKind kind : kOutputKinds) {
        if (!output(kind)->flush()) {
            writeFailed(kind);
            return;
        }
    }
    for (OutputKind kind : kOutputKinds) {
        auto& writer = *output(kind);
        if (!WriteTrailer(writer, m_result.records) || !writer.close()) {
            writeFailed(kind);
            return;
        }
    }
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::Completed);
    showFormatHints();
}

// A layout or format that leaves values bad where the other reads them is the likelier mistake than the log.
void ConversionRun::showFormatHints()
{
    const engine::FormatSurvey survey = m_converter.survey();
    for (const auto& hint :
         {dateLayoutHint(survey, m_host.dateLayout()), bandFormatHint(survey, m_host.bandFormat())}) {
        if (hint) {
            m_host.showMessage(*hint);
        }
    }
}

void ConversionRun::noteOddLines()
{
    m_result.oddLines = m_reader->oddLines();
    m_result.oddLineCount = m_reader->oddLineCount();
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

// A record cut short keeps "Processing....." on show while its message is up. The outputs are closed first:
// should that fail, the lost output is the more urgent news.
void ConversionRun::readingFailed(engine::ReadResult reason)
{
    noteOddLines();
    const std::int64_t recordLine = m_reader->recordLine();
    if (const auto failed = closeAll()) {
        writeFailed(*failed);
        return;
    }
    if (reason == engine::ReadResult::InputExhausted) {
        endRun(RunOutcome::InputEndedInRecord);
        m_host.showMessage(badInputMessage(recordLine, m_result.oddLines));
        m_host.setStatusText(kIdleStatus);
        return;
    }
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::InputUnreadable);
    m_host.showMessage(unreadableInputMessage(m_inputPath));
}

// A failed write stops the run at once; no trailer is written, so neither file claims a normal end.
void ConversionRun::writeFailed(OutputKind kind)
{
    closeAll();
    m_host.setStatusText(kIdleStatus);
    endRun(RunOutcome::WriteFailed);
    m_host.showMessage(cannotWriteMessage(kind, pathOf(fileNameOf(kind))));
}

// Closes whatever is open and returns the first output file whose buffered lines could not be saved.
std::optional<OutputKind> ConversionRun::closeAll()
{
    m_reader.reset();
    m_readAhead.reset();
    if (m_input) {
        m_input->close();
        m_input.reset();
    }
    std::optional<OutputKind> failed;
    for (OutputKind kind : kOutputKinds) {
        auto& writer = output(kind);
        if (writer && !writer->close() && !failed) {
            failed = kind;
        }
        writer.reset();
    }
    return failed;
}

void ConversionRun::endRun(RunOutcome outcome)
{
    m_result.outcome = outcome;
    m_state = State::Idle;
}

std::string ConversionRun::pathOf(std::string_view fileName) const
{
    return textFromPath(pathFromText(m_host.programFolder()) / fileName);
}

} // namespace quillon::run
