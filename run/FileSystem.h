// The file operations of a run, behind an interface so tests can make them fail.
#pragma once

#include "engine/ByteSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::run {

// Every file object and the file system remember why their last operation failed, in the system's own words
// ("No space left on device"), so a message can say more than that something went wrong.
class FailureReason
{
public:
    // Empty when the system gave no reason.
    const std::string& failureReason() const { return m_reason; }

protected:
    void setFailureReason(std::string reason) { m_reason = std::move(reason); }

private:
    std::string m_reason;
};

class InputFile : public engine::ByteSource, public FailureReason
{
public:
    virtual void close() = 0;
};

class OutputFile : public FailureReason
{
public:
    virtual ~OutputFile() = default;
    // Writes all the bytes, or returns false and leaves the file as it was before the call.
    virtual bool write(std::string_view bytes) = 0;
    // Returns once what was written is on the disk itself, not only in the system's cache.
    virtual bool sync() = 0;
    // Returns false when the file could not be closed cleanly (its data may be lost).
    virtual bool close() = 0;
};

class FileSystem : public FailureReason
{
public:
    virtual ~FileSystem() = default;
    // Null when the file is missing, is not a regular file (a folder, a FIFO, a device), or cannot be read. Never
    // waits for a writer or a device.
    virtual std::unique_ptr<InputFile> openForReading(const std::string& path) = 0;
    // True when anything at all stands at that path, a dangling link included.
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Creates a new empty file that stays claimed by this program while it is open: removeIfAbandoned() leaves it
    // alone. Null when it cannot be created or something already stands at that path.
    virtual std::unique_ptr<OutputFile> createForWriting(const std::string& path) = 0;
    // True when a file put at `path` by replace() would take the place of what stands there now, if anything: not
    // when that is a folder, or (on Windows) a file that another program holds open.
    virtual bool canReplace(const std::string& path) = 0;
    // Puts the closed file `from` in the place of `to`, whether or not `to` exists; `to` is never missing on the way.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // Returns once the folder's list of names (the last replace in it, say) is on the disk itself.
    virtual bool syncFolder(const std::string& folder) = 0;
    // True when both paths name one file, as LOG.ADI and log.adi do where letter case does not count.
    virtual bool sameFile(const std::string& a, const std::string& b) = 0;
    // Removes a file made by createForWriting() whose writer has gone without closing it (a killed program, a
    // power cut); a file still being written is left alone. True when it was removed.
    virtual bool removeIfAbandoned(const std::string& path) = 0;
    // The names of what stands in the folder, in no set order; none when it cannot be listed.
    virtual std::vector<std::string> namesIn(const std::string& folder);
    // True when the file at `path` is marked read-only: no one may write it (chmod 444), or on Windows it has the
    // read-only attribute. Such a file is the user's word that it must stay as it is. False when nothing is there.
    virtual bool isReadOnly(const std::string& path);
};

} // namespace quillon::run
