// Temporaries beside the outputs, committed by renaming them over the old files.
#include "run/RunOutputs.h"

#include "run/CaseBlindName.h"
#include "run/RunInput.h"

#include <random>

namespace quillon::run {

namespace {

constexpr std::array<OutputKind, 2> kKinds{OutputKind::Log, OutputKind::Bad};

// "log.adi.~quillon-": a name that tells a user whose file it is, and that no search for log.adi matches.
std::string temporaryPrefix(OutputKind kind)
{
    return std::string(fileNameOf(kind)) + ".~quillon-";
}

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

RunOutputs::RunOutputs(FileSystem& files, std::string folder, std::size_t bufferSize)
    : m_files(files)
    , m_folder(std::move(folder))
    , m_bufferSize(bufferSize)
{
}

RunOutputs::~RunOutputs()
{
    discard();
}

std::string RunOutputs::finalPath(OutputKind kind) const
{
    return pathIn(m_folder, fileNameOf(kind));
}

// A folder or a locked file in the place of an output is found out now, not after the whole conversion.
bool RunOutputs::create()
{
    removeAbandoned();
    for (OutputKind kind : kKinds) {
        if (!canReplaceOld(kind) || !createOne(kind)) {
            discard();
            return false;
        }
    }
    return true;
}

bool RunOutputs::canReplaceOld(OutputKind kind)
{
    return m_files.canReplace(finalPath(kind)) || fail(kind, m_files.failureReason());
}

// Only this program's own temporaries, and only those whose writer is gone: another run in the same folder keeps
// its files.
void RunOutputs::removeAbandoned()
{
    for (const std::string& name : m_files.namesIn(m_folder)) {
        for (OutputKind kind : kKinds) {
            if (name.starts_with(temporaryPrefix(kind))) {
                m_files.removeIfAbandoned(pathIn(m_folder, name));
            }
        }
    }
}

bool RunOutputs::createOne(OutputKind kind)
{
    std::string& temporary = m_temporaries[index(kind)];
    for (int attempt = 0; attempt < 8 && temporary.empty(); ++attempt) {
        const std::string path = pathIn(m_folder, temporaryPrefix(kind) + randomSuffix());
        if (m_files.exists(path)) {
            continue;
        }
        auto file = m_files.createForWriting(path);
        if (!file) {
            return fail(kind, m_files.failureReason());
        }
        temporary = path;
        m_writers[index(kind)].emplace(std::move(file), m_bufferSize);
    }
    return !temporary.empty() || fail(kind, {});
}

bool RunOutputs::WritePreamble(OutputKind kind, const std::string& title, const std::string& timestamp,
                               const std::vector<std::string>& headerFields)
{
    LineWriter& writer = (*this)[kind];
    for (const auto& line : preambleLines(kind, title, timestamp, headerFields)) {
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
bool RunOutputs::commit()
{
    if (!canReplaceOld(OutputKind::Log) || !canReplaceOld(OutputKind::Bad)) {
        return false;
    }
    for (OutputKind kind : {OutputKind::Bad, OutputKind::Log}) {
        std::string& temporary = m_temporaries[index(kind)];
        if (!m_files.replace(temporary, finalPath(kind))) {
            return fail(kind, m_files.failureReason());
        }
        temporary.clear();
    }
    if (!m_files.syncFolder(m_folder)) {
        return fail(OutputKind::Log, m_files.failureReason());
    }
    const std::vector<std::string> names = m_files.namesIn(m_folder);
    return removeTwins(OutputKind::Log, names) && removeTwins(OutputKind::Bad, names);
}

// Where letter case does not count (Windows, a memory stick), LOG.ADI may be the new file itself, which the
// rename left under the old file's name: it then only takes the lower-case name, by way of a name of its own,
// since some systems take a rename to the same name in other letters for no change at all.
bool RunOutputs::removeTwins(OutputKind kind, const std::vector<std::string>& names)
{
    const std::string name(fileNameOf(kind));
    for (const std::string& twin : caseBlindMatches(names, name)) {
        const std::string path = pathIn(m_folder, twin);
        if (twin == name) {
            continue;
        }
        const std::string between = finalPath(kind) + ".~case";
        const bool done = m_files.sameFile(path, finalPath(kind))
                              ? m_files.replace(path, between) && m_files.replace(between, finalPath(kind))
                              : m_files.remove(path);
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
    m_failedKind = kind;
    m_failedPath = path.empty() ? finalPath(kind) : path;
    m_failureReason = reason;
    return false;
}

} // namespace quillon::run
