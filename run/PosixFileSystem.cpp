// Opening, creating, writing, replacing and removing files with POSIX calls, retrying interrupted ones.
#include "run/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillon::run {

namespace {

std::string reasonOf(int error)
{
    return std::generic_category().message(error);
}

// The same file, not only the same name: a file that was replaced or removed meanwhile is another.
bool isLinkedAs(int fd, const std::string& path)
{
    struct stat opened {
    };
    struct stat named {
    };
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

class PosixInputFile : public InputFile
{
public:
    explicit PosixInputFile(int fd)
        : m_fd(fd)
    {
    }
    ~PosixInputFile() override { close(); }

    long read(char* buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t count = ::read(m_fd, buffer, size);
            if (count >= 0) {
                return static_cast<long>(count);
            }
            if (errno != EINTR) {
                setFailureReason(reasonOf(errno));
                return -1;
            }
        }
    }

    void close() override
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    int m_fd;
};

class PosixOutputFile : public OutputFile
{
public:
    explicit PosixOutputFile(int fd)
        : m_fd(fd)
    {
    }
    ~PosixOutputFile() override { close(); }

    // A write that fails part way (a full disk) is cut back off, so the file always ends where the last
    // successful write ended: on a line end, never inside a line.
    bool write(std::string_view bytes) override
    {
        const off_t before = m_size;
        while (!bytes.empty()) {
            const ssize_t count = ::write(m_fd, bytes.data(), bytes.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                setFailureReason(reasonOf(count < 0 ? errno : ENOSPC));
                if (m_size != before) {
                    (void)!::ftruncate(m_fd, before);
                    m_size = before;
                }
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
            m_size += count;
        }
        return true;
    }

    bool sync() override { return ::fsync(m_fd) == 0 || failed(); }

    bool close() override
    {
        if (m_fd < 0) {
            return true;
        }
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 || failed();
    }

private:
    bool failed()
    {
        setFailureReason(reasonOf(errno));
        return false;
    }

    int m_fd;
    off_t m_size = 0;
};

} // namespace

// Opened without waiting, so a FIFO or a device named log.asc is looked at and refused instead of blocking the
// run; only a regular file is read, and it is read in the ordinary blocking way.
std::unique_ptr<InputFile> PosixFileSystem::openForReading(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        failed(errno);
        return nullptr;
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        setFailureReason(S_ISDIR(info.st_mode) ? reasonOf(EISDIR) : "Not a regular file");
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixInputFile>(fd);
}

bool PosixFileSystem::exists(const std::string& path)
{
    struct stat info {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::remove(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 || failed(errno);
}

// O_EXCL with O_NOFOLLOW: anything found at the path (a link planted there, say) is refused rather than written
// through. The lock held while the file is open is what tells removeIfAbandoned() that its writer is alive; a
// file swept away by another run before the lock was taken is given up, and its name with it.
std::unique_ptr<OutputFile> PosixFileSystem::createForWriting(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        failed(errno);
        return nullptr;
    }
    // Where the file system has no locks, nothing can tell an abandoned file from a live one, and none is removed.
    const bool locked = ::flock(fd, LOCK_EX) == 0;
    const int lockError = locked ? 0 : errno;
    if ((!locked && lockError != ENOLCK && lockError != EOPNOTSUPP && lockError != EINVAL) || !isLinkedAs(fd, path)) {
        failed(locked ? ENOENT : lockError);
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd);
}

bool PosixFileSystem::canReplace(const std::string& path)
{
    struct stat info {
    };
    if (::lstat(path.c_str(), &info) != 0) {
        return errno == ENOENT || failed(errno);
    }
    return !S_ISDIR(info.st_mode) || failed(EISDIR);
}

bool PosixFileSystem::replace(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 || failed(errno);
}

// A file system that cannot sync a folder (some network ones) says so with EINVAL; there is nothing more to do.
bool PosixFileSystem::syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return failed(errno);
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || failed(errno);
    ::close(fd);
    return synced;
}

bool PosixFileSystem::sameFile(const std::string& a, const std::string& b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// Its writer's lock ends with the writer, however it ended. The name is checked again under the lock, so a file
// that its writer has just put in place under its final name is not taken for the abandoned one.
bool PosixFileSystem::removeIfAbandoned(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {
    };
    const bool abandoned = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                           isLinkedAs(fd, path) && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return abandoned;
}

bool PosixFileSystem::failed(int error)
{
    setFailureReason(reasonOf(error));
    return false;
}

} // namespace quillon::run
