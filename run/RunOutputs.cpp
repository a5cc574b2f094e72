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

// "2026-12-07-1530": when an old file was copied aside, in a name that sorts by it.
std::string keptStamp(const Clock& clock)
{
    const auto [date, time] = clock.now();
    const auto two = [](int n) {
        return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    };
    return std::to_string(date.year) + "-" + two(date.month) + "-" + two(date.day) + "-" + two(time.hour) +
           two(time.minute);
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
    , m_clock(clock)
    , m_bufferSize(bufferSize)
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

bool RunOutputs::WritePreamble(OutputKind kind, const std::string& title, const std::string& timestamp)
{
    LineWriter& writer = (*this)[kind];
    for (const auto& line : preambleLines(kind, m_names, title, timestamp)) {
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
// The record is written last: a stop before it leaves new files that the next run keeps rather than replaces.
bool RunOutputs::commit()
{
    if (!canReplaceOld(OutputKind::Log) || !canReplaceOld(OutputKind::Bad)) {
        return false;
    }
    m_record = OutputRecord::load(m_files, m_folder);
    for (OutputKind kind : {OutputKind::Bad, OutputKind::Log}) {
        std::string& temporary = m_temporaries[index(kind)];
        if (!keepUnlessVouched(kind, m_names.name(kind))) {
            return false;
        }
        if (!m_files.replace(temporary, finalPath(kind))) {
            const std::string reason = m_files.failureReason();
            dropKept(kind);
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
        m_record.set(m_names.name(kind), m_written[index(kind)]);
    }
    m_record.save(m_files, m_folder);
    return true;
}

// An old file that the record vouches for is this program's own, as it wrote it, and may go; any other may hold
// the user's work (corrections made in bad.adi, say) and is copied first to a name that sorts with it and was not
// taken before. Copied, not renamed, so that the old file stays in its place until the new one takes it.
bool RunOutputs::keepUnlessVouched(OutputKind kind, const std::string& name)
{
    const std::string path = pathIn(m_folder, name);
    if (!m_files.exists(path) || m_record.vouchesFor(m_files, name, path)) {
        return true;
    }
    const bool edited = m_record.knows(name);
    const std::string stem = name + (edited ? ".edited-" : ".kept-") + keptStamp(m_clock);
    std::string keptName = stem;
    for (int n = 2; m_files.exists(pathIn(m_folder, keptName)); ++n) {
        keptName = stem + "-" + std::to_string(n);
    }
    if (!copyFile(kind, path, pathIn(m_folder, keptName))) {
        return false;
    }
    m_kept.push_back({kind, name, keptName, edited});
    return true;
}

// Byte for byte, and on the disk before the original can be replaced. Nothing is left of a copy that failed.
bool RunOutputs::copyFile(OutputKind kind, const std::string& from, const std::string& to)
{
    const auto input = m_files.openForReading(from);
    if (!input) {
        return fail(kind, m_files.failureReason(), from);
    }
    auto output = m_files.createForWriting(to);
    if (!output) {
        return fail(kind, m_files.failureReason(), to);
    }
    std::vector<char> buffer(256 * 1024);
    long count = 0;
    bool written = true;
    while (written && (count = input->read(buffer.data(), buffer.size())) > 0) {
        written = output->write({buffer.data(), static_cast<std::size_t>(count)});
    }
    if (count >= 0 && written && output->sync() && output->close()) {
        return true;
    }
    const std::string reason = count < 0 ? input->failureReason() : output->failureReason();
    output.reset();
    m_files.remove(to);
    return fail(kind, reason, to);
}

// The copy of an old file that the new one could not replace after all is not wanted.
void RunOutputs::dropKept(OutputKind kind)
{
    if (!m_kept.empty() && m_kept.back().name == m_names.name(kind)) {
        m_files.remove(pathIn(m_folder, m_kept.back().keptName));
        m_kept.pop_back();
    }
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
        if (!same && !keepUnlessVouched(kind, twin)) {
            return false;
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
