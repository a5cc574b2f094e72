// Temporaries beside the outputs, committed by renaming them over the old files.
#include "run/RunOutputs.h"

#include "run/CaseBlindName.h"
#include "run/RunInput.h"

#include <random>

namespace quillon::run {

namespace {

constexpr std::array<OutputKind, 2> kKinds{OutputKind::Log, OutputKind::Bad};

// "log.adi.~quillon-": a name that tells a user whose file it is, and that no search for log.adi matches.
std::string temporaryPrefix(const std::string& name)
{
    return name + ".~quillon-";
}

// Writes through to the file and takes the fingerprint of every byte that reached it.
class FingerprintedFile : public OutputFile
{
public:
    FingerprintedFile(std::unique_ptr<OutputFile> file, ContentHash& written)
        : m_file(std::move(file))
        , m_written(written)
    {
    }
    bool write(std::string_view bytes) override
    {
        if (!m_file->write(bytes)) {
            return failed();
        }
        m_written.add(bytes);
        return true;
    }
    bool sync() override { return m_file->sync() || failed(); }
    bool close() override { return m_file->close() || failed(); }

private:
    bool failed()
    {
        setFailureReason(m_file->failureReason());
        return false;
    }

    std::unique_ptr<OutputFile> m_file;
    ContentHash& m_written;
};

std::string randomSuffix()
{
    static std::random_device source;
    constexpr char kHex[] = "0123456789abcdef";
    std::string suffix;
    for (unsigned value = source(); suffix.size() < 8; value >>= 4) {
        suffix += kHex[value & 15];
    }
    return suffix;
}

} // namespace

RunOutputs::RunOutputs(FileSystem& files, std::string folder, OutputNames names, const Clock& clock,
                       std::size_t bufferSize)
    : m_files(files)
    , m_folder(std::move(folder))
    , m_names(std::move(names))
    , m_bufferSize(bufferSize)
    , m_keeper(files, m_folder, clock)
{
}

RunOutputs::~RunOutputs()
{
    discard();
}

std::string RunOutputs::finalPath(OutputKind kind) const
{
    return pathIn(m_folder, m_names.name(kind));
}

// A folder, a locked or a read-only file in the place of an output is found out now, before anything is written,
// not after the whole conversion.
bool RunOutputs::create()
{
    removeAbandoned();
    if (!canReplaceOld(OutputKind::Log) || !canReplaceOld(OutputKind::Bad)) {
        return false;
    }
    for (OutputKind kind : kKinds) {
        if (!createOne(kind)) {
            discard();
            return false;
        }
    }
    return true;
}

bool RunOutputs::canReplaceOld(OutputKind kind)
{
    if (m_files.isReadOnly(finalPath(kind))) {
        fail(kind, "It is read-only.");
        m_failedReadOnly = true;
        return false;
    }
    return m_files.canReplace(finalPath(kind)) || fail(kind, m_files.failureReason());
}

// Only this program's own temporaries, and only those whose writer is gone: another run in the same folder keeps
// its files.
void RunOutputs::removeAbandoned()
{
    for (const std::string& name : m_files.namesIn(m_folder)) {
        for (OutputKind kind : kKinds) {
            if (name.starts_with(temporaryPrefix(m_names.name(kind)))) {
                m_files.removeIfAbandoned(pathIn(m_folder, name));
            }
        }
    }
}

bool RunOutputs::createOne(OutputKind kind)
{
    std::string& temporary = m_temporaries[index(kind)];
    for (int attempt = 0; attempt < 8 && temporary.empty(); ++attempt) {
        const std::string path = pathIn(m_folder, temporaryPrefix(m_names.name(kind)) + randomSuffix());
        if (m_files.exists(path)) {
            continue;
        }
        auto file = m_files.createForWriting(path);
        if (!file) {
            return fail(kind, m_files.failureReason());
        }
        temporary = path;
        m_written[index(kind)] = ContentHash{};
        m_writers[index(kind)].emplace(std::make_unique<FingerprintedFile>(std::move(file), m_written[index(kind)]),
                                       m_bufferSize);
    }
    return !temporary.empty() || fail(kind, {});
}

bool RunOutputs::WritePreamble(OutputKind kind, const std::string& title, const std::string& timestamp,
                               const std::vector<std::string>& headerFields)
{
    LineWriter& writer = (*this)[kind];
    for (const auto& line : preambleLines(kind, m_names, title, timestamp, headerFields)) {
        if (!writer.writeLine(line)) {
            return noteWriteFailure(kind);
        }
    }
    return writer.flush() || noteWriteFailure(kind);
}

bool RunOutputs::WriteTrailer(OutputKind kind, std::int64_t recordCount)
{
    LineWriter& writer = (*this)[kind];
    return (writer.writeLine("") && writer.writeLine(endOfRunLine(recordCount))) || noteWriteFailure(kind);
}

bool RunOutputs::noteWriteFailure(OutputKind kind)
{
    return fail(kind, (*this)[kind].failureReason());
}

// Every byte is on the disk before any old file is given up, so a power cut cannot leave an empty new file in
// place of a good old one.
bool RunOutputs::close()
{
    for (OutputKind kind : kKinds) {
        auto& writer = m_writers[index(kind)];
        if (writer && !(writer->sync() && writer->close())) {
            return fail(kind, writer->failureReason());
        }
    }
    return true;
}

// Both old files are checked first, so that a folder or a locked file in the place of log.adi does not leave a new
// bad.adi beside the old log.adi. A stop between the two renames still can; their timestamp lines tell them apart.
// Old files that may hold the user's work are copied aside before either is replaced, and a copy whose original
// stays in place after all is removed again. The record is written last: a stop before it leaves new files that
// the next run keeps rather than replaces.
bool RunOutputs::commit()
{
    if (!canReplaceOld(OutputKind::Log) || !canReplaceOld(OutputKind::Bad)) {
        return false;
    }
    m_keeper.loadRecord();
    for (OutputKind kind : {OutputKind::Bad, OutputKind::Log}) {
        if (!m_keeper.keepUnlessVouched(kind, m_names.name(kind))) {
            m_keeper.dropCopies(m_names.bad);
            return fail(kind, m_keeper.failureReason(), m_keeper.failedPath());
        }
    }
    for (OutputKind kind : {OutputKind::Bad, OutputKind::Log}) {
        std::string& temporary = m_temporaries[index(kind)];
        if (!m_files.replace(temporary, finalPath(kind))) {
            const std::string reason = m_files.failureReason();
            m_keeper.dropCopies(m_names.log); // not replaced, whichever failed
            if (kind == OutputKind::Bad) {
                m_keeper.dropCopies(m_names.bad);
            }
            return fail(kind, reason);
        }
        temporary.clear();
    }
    if (!m_files.syncFolder(m_folder)) {
        return fail(OutputKind::Log, m_files.failureReason());
    }
    const std::vector<std::string> names = m_files.namesIn(m_folder);
    if (!removeTwins(OutputKind::Log, names) || !removeTwins(OutputKind::Bad, names)) {
        return false;
    }
    for (OutputKind kind : kKinds) {
        m_keeper.record(m_names.name(kind), m_written[index(kind)]);
    }
    m_keeper.saveRecord();
    return true;
}

// Where letter case does not count (Windows, a memory stick), LOG.ADI may be the new file itself, which the
// rename left under the old file's name: it then only takes the lower-case name, by way of a name of its own,
// since some systems take a rename to the same name in other letters for no change at all. Elsewhere a twin is
// another file (LOG.ADI written by an older program), copied aside as an old output is, unless the record vouches for
// it.
bool RunOutputs::removeTwins(OutputKind kind, const std::vector<std::string>& names)
{
    const std::string name(m_names.name(kind));
    for (const std::string& twin : caseBlindMatches(names, name)) {
        const std::string path = pathIn(m_folder, twin);
        if (twin == name) {
            continue;
        }
        const std::string between = finalPath(kind) + ".~case";
        const bool same = m_files.sameFile(path, finalPath(kind));
        if (!same && !m_keeper.keepUnlessVouched(kind, twin)) {
            return fail(kind, m_keeper.failureReason(), m_keeper.failedPath());
        }
        const bool done =
            same ? m_files.replace(path, between) && m_files.replace(between, finalPath(kind)) : m_files.remove(path);
        if (!done) {
            return fail(kind, m_files.failureReason(), path);
        }
    }
    return true;
}

void RunOutputs::discard()
{
    for (OutputKind kind : kKinds) {
        m_writers[index(kind)].reset();
        std::string& temporary = m_temporaries[index(kind)];
        if (!temporary.empty()) {
            m_files.remove(temporary);
            temporary.clear();
        }
    }
}

bool RunOutputs::fail(OutputKind kind, const std::string& reason, const std::string& path)
{
    m_failedReadOnly = false;
    m_failedKind = kind;
    m_failedPath = path.empty() ? finalPath(kind) : path;
    m_failureReason = reason;
    return false;
}

} // namespace quillon::run
