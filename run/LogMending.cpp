// The log mended through a temporary beside it, synced and renamed over it, after a copy of the original is safe.
#include "run/LogMending.h"

#include "engine/LogLines.h"
#include "run/PathText.h"

#include <random>

namespace quillon::run {

namespace {

constexpr std::string_view kTemporaryMark = ".~quillon-";

std::string folderOf(const std::string& path)
{
    return textFromPath(pathFromText(path).parent_path());
}

std::string nameOf(const std::string& path)
{
    return textFromPath(pathFromText(path).filename());
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

MendResult refused(std::string sentence, const std::string& reason = {})
{
    return {false, reason.empty() ? sentence : sentence + "\n" + reason};
}

// Writes `bytes` to a new file at `path` and brings it to the disk; on failure nothing stays at `path`.
bool writeNewFile(FileSystem& files, const std::string& path, std::string_view bytes, std::string& reason)
{
    auto file = files.createForWriting(path);
    if (!file) {
        reason = files.failureReason();
        return false;
    }
    if (file->write(bytes) && file->sync() && file->close()) {
        return true;
    }
    reason = file->failureReason();
    file.reset();
    files.remove(path);
    return false;
}

// Temporaries of this log's earlier saves whose program is gone (killed, or the power failed).
void removeAbandonedTemporaries(FileSystem& files, const std::string& logPath)
{
    const std::string prefix = nameOf(logPath) + std::string(kTemporaryMark);
    const std::string folder = folderOf(logPath);
    for (const std::string& name : files.namesIn(folder)) {
        if (name.starts_with(prefix)) {
            files.removeIfAbandoned(textFromPath(pathFromText(folder) / pathFromText(name)));
        }
    }
}

// Is the log still the one whose contacts the user corrected?
std::optional<MendResult> changedOnDisk(FileSystem& files, const std::string& logPath, const LogSnapshot& asRead,
                                        std::optional<std::string>& bytes)
{
    std::string reason;
    bytes = readWholeFile(files, logPath, reason);
    if (!bytes) {
        return refused("The log could not be read again, so it was not changed.", reason);
    }
    if (snapshotOf(*bytes) != asRead) {
        return refused("The log has changed on disk since its contacts were read, so it was not changed. Convert "
                       "again and correct the contacts anew.");
    }
    return std::nullopt;
}

} // namespace

LogSnapshot snapshotOf(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325U; // FNV-1a
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3U;
    }
    return {bytes.size(), hash};
}

std::optional<std::string> readWholeFile(FileSystem& files, const std::string& path, std::string& reason)
{
    auto file = files.openForReading(path);
    if (!file) {
        reason = files.failureReason();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[64 * 1024];
    for (long count; (count = file->read(buffer, sizeof buffer)) != 0;) {
        if (count < 0) {
            reason = file->failureReason();
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

std::string originalCopyPath(const std::string& logPath)
{
    return logPath + ".original";
}

// The copy of the original comes first, so a failure later never leaves the user without the log as it was; a
// copy made by this save goes again when the save fails, so that a failed save changes nothing.
MendResult mendLog(FileSystem& files, const std::string& logPath, const LogSnapshot& asRead,
                   const std::map<std::int64_t, std::string>& lines)
{
    std::optional<std::string> bytes;
    if (auto refusal = changedOnDisk(files, logPath, asRead, bytes)) {
        return *refusal;
    }
    const std::string mended = engine::LogLines(*bytes).replaced(lines);
    const std::string original = originalCopyPath(logPath);
    const bool copyNow = !files.exists(original);
    std::string reason;
    if (copyNow && !writeNewFile(files, original, *bytes, reason)) {
        return refused("The log was not changed: its original could not be kept in " + nameOf(original) + ".", reason);
    }
    const auto undoCopy = [&] {
        if (copyNow) {
            files.remove(original);
        }
    };
    removeAbandonedTemporaries(files, logPath);
    const std::string temporary = logPath + std::string(kTemporaryMark) + randomSuffix();
    if (!writeNewFile(files, temporary, mended, reason)) {
        undoCopy();
        return refused("The log was not changed: the corrected log could not be written.", reason);
    }
    std::optional<std::string> now;
    if (auto refusal = changedOnDisk(files, logPath, asRead, now)) {
        files.remove(temporary);
        undoCopy();
        return *refusal;
    }
    if (!files.replace(temporary, logPath)) {
        reason = files.failureReason();
        files.remove(temporary);
        undoCopy();
        return refused("The log was not changed: the corrected log could not be put in its place.", reason);
    }
    files.syncFolder(folderOf(logPath)); // the log is in place by now: there is nothing left to undo
    return {true, {}};
}

} // namespace quillon::run
