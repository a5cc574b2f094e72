// Opening, creating, writing and removing files with Win32 handles: bytes go to disk exactly as given (no text
// mode, so no CR added and no stop at a Ctrl-Z), sizes are 64-bit, and paths reach Windows as UTF-16.
#include "run/WindowsFileSystem.h"

#include "run/SystemFileSystem.h"
#include "run/WideText.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <windows.h>

namespace quillon::run {

namespace {

// One ReadFile or WriteFile call moves at most this much, well inside its 32-bit count.
constexpr std::size_t kLargestTransfer = 1 << 30;

std::string lastErrorText()
{
    return windowsErrorText(GetLastError());
}

class WindowsInputFile : public InputFile
{
public:
    explicit WindowsInputFile(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~WindowsInputFile() override { close(); }

    long read(char* buffer, std::size_t size) override
    {
        DWORD count = 0;
        if (!ReadFile(m_handle, buffer, static_cast<DWORD>(std::min(size, kLargestTransfer)), &count, nullptr)) {
            setFailureReason(lastErrorText());
            return -1;
        }
        return static_cast<long>(count);
    }

    void close() override
    {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
            m_handle = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE m_handle;
};

class WindowsOutputFile : public OutputFile
{
public:
    explicit WindowsOutputFile(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~WindowsOutputFile() override { close(); }

    // A write that fails part way (a full disk) is cut back off, so the file always ends where the last
    // successful write ended: on a line end, never inside a line.
    bool write(std::string_view bytes) override
    {
        const LONGLONG before = m_size;
        while (!bytes.empty()) {
            DWORD count = 0;
            const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
            if (!WriteFile(m_handle, bytes.data(), chunk, &count, nullptr) || count == 0) {
                setFailureReason(
                    windowsErrorText(count == 0 && GetLastError() == 0 ? ERROR_DISK_FULL : GetLastError()));
                cutBackTo(before);
                return false;
            }
            bytes.remove_prefix(count);
            m_size += count;
        }
        return true;
    }

    bool sync() override { return FlushFileBuffers(m_handle) || failed(); }

    bool close() override
    {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return true;
        }
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed || failed();
    }

private:
    bool failed()
    {
        setFailureReason(lastErrorText());
        return false;
    }

    void cutBackTo(LONGLONG size)
    {
        if (m_size == size) {
            return;
        }
        LARGE_INTEGER position{};
        position.QuadPart = size;
        if (SetFilePointerEx(m_handle, position, nullptr, FILE_BEGIN)) {
            SetEndOfFile(m_handle);
        }
        m_size = size;
    }

    HANDLE m_handle;
    LONGLONG m_size = 0;
};

// Only an ordinary file on a disk is input: a folder, a console, a pipe or another device is refused.
bool isRegularFile(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

std::unique_ptr<InputFile> WindowsFileSystem::openForReading(const std::string& path)
{
    const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        failed();
        return nullptr;
    }
    if (!isRegularFile(handle)) {
        setFailureReason("Not a regular file");
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<WindowsInputFile>(handle);
}

// Anything at the path counts, a link whose target is gone included; a path that cannot be looked at for want
// of rights counts too, since something stands there.
bool WindowsFileSystem::exists(const std::string& path)
{
    if (GetFileAttributesW(wideText(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_INVALID_NAME;
}

bool WindowsFileSystem::remove(const std::string& path)
{
    return DeleteFileW(wideText(path).c_str()) || failed();
}

// CREATE_NEW with FILE_FLAG_OPEN_REPARSE_POINT: anything found at the path (a link planted there, say) is refused
// rather than written through. Shared for reading only, so no one can remove the file while it is being written.
std::unique_ptr<OutputFile> WindowsFileSystem::createForWriting(const std::string& path)
{
    const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        failed();
        return nullptr;
    }
    return std::make_unique<WindowsOutputFile>(handle);
}

// A program that holds the old file open without letting others remove it (a logging program importing it, say)
// would make the replace fail; asking for the right to remove it finds that out before any file is touched.
bool WindowsFileSystem::canReplace(const std::string& path)
{
    const std::wstring name = wideText(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND || failed();
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        setFailureReason("A folder of that name is in the way.");
        return false;
    }
    const HANDLE handle = CreateFileW(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return failed();
    }
    CloseHandle(handle);
    return true;
}

// Virus scanners, indexers and logging programs hold files open for a moment; such a refusal is tried again for
// about a second before it counts.
bool WindowsFileSystem::replace(const std::string& from, const std::string& to)
{
    const std::wstring source = wideText(from);
    const std::wstring target = wideText(to);
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool held =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!held || attempt == 10) {
            return failed();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

bool WindowsFileSystem::sameFile(const std::string& a, const std::string& b)
{
    const auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        const HANDLE handle =
            CreateFileW(wideText(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool known = GetFileInformationByHandle(handle, &info);
        CloseHandle(handle);
        return known;
    };
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return identity(a, first) && identity(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

// A file being written cannot be removed (its writer shares it for reading only). One its writer has just closed
// to put it in place is still fresh, so only a file untouched for a while counts as abandoned.
bool WindowsFileSystem::removeIfAbandoned(const std::string& path)
{
    const std::wstring name = wideText(path);
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &info)) {
        return false;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr ULONGLONG kTenSeconds = 10ULL * 1000 * 1000 * 10; // in 100-nanosecond ticks
    return ticks(now) > ticks(info.ftLastWriteTime) + kTenSeconds && DeleteFileW(name.c_str());
}

bool WindowsFileSystem::isReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool WindowsFileSystem::failed()
{
    setFailureReason(lastErrorText());
    return false;
}

std::unique_ptr<FileSystem> makeSystemFileSystem()
{
    return std::make_unique<WindowsFileSystem>();
}

} // namespace quillon::run
