// Opening, creating, writing and removing files with POSIX calls, retrying interrupted ones.
#include "run/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon::run {

namespace {

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
            if (count >= 0 || errno != EINTR) {
                return static_cast<long>(count);
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

    bool close() override
    {
        if (m_fd < 0) {
            return true;
        }
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
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
        return nullptr;
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
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
    return ::unlink(path.c_str()) == 0;
}

// O_EXCL with O_NOFOLLOW: the old file is gone by now, so anything found at the path (a link planted in the
// meantime, say) is refused rather than written through.
std::unique_ptr<OutputFile> PosixFileSystem::createForWriting(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd);
}

} // namespace quillon::run
