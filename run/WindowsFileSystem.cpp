// Opening, creating, writing and removing files with Win32 handles: bytes go to disk exactly as given (no text
// mode, so no CR added and no stop at a Ctrl-Z), sizes are 64-bit, and paths reach Windows as UTF-16.
#include "run/WindowsFileSystem.h"

#include "run/SystemFileSystem.h"
#include "run/WideText.h"

#include <algorithm>
#include <windows.h>

namespace quillon::run {

namespace {

// One ReadFile or WriteFile call moves at most this much, well inside its 32-bit count.
constexpr std::size_t kLargestTransfer = 1 << 30;

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
                cutBackTo(before);
                return false;
            }
            bytes.remove_prefix(count);
            m_size += count;
        }
        return true;
    }

    bool close() override
    {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return true;
        }
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed != 0;
    }

private:
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
        return nullptr;
    }
    if (!isRegularFile(handle)) {
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
    return DeleteFileW(wideText(path).c_str()) != 0;
}

// CREATE_NEW with FILE_FLAG_OPEN_REPARSE_POINT: the old file is gone by now, so anything found at the path (a
// link planted in the meantime, say) is refused rather than written through.
std::unique_ptr<OutputFile> WindowsFileSystem::createForWriting(const std::string& path)
{
    const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<WindowsOutputFile>(handle);
}

std::unique_ptr<FileSystem> makeSystemFileSystem()
{
    return std::make_unique<WindowsFileSystem>();
}

} // namespace quillon::run
