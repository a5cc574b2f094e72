// The About box's services on Windows: registry reads, the HTML association, program starts and the temporary
// document with the Win32 wide calls.
#include "ui/platform/WindowsPlatform.h"

#include "run/WideText.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <cstring>
#include <random>
#include <vector>
#include <windows.h>
// shellapi.h builds on what windows.h defines.
#include <shellapi.h>

namespace quillon::ui::platform {

namespace {

HKEY handleOf(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

// Root keys are 32-bit numbers that Windows widens with their sign: 0x80000002 is HKEY_LOCAL_MACHINE.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

// A text value as the program reads it: UTF-8, ended by one zero byte when the stored value ends in a zero.
std::string textBytes(const std::vector<BYTE>& stored)
{
    std::wstring wide(stored.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), stored.data(), wide.size() * sizeof(wchar_t));
    const bool zeroEnded = !wide.empty() && wide.back() == L'\0';
    if (zeroEnded) {
        wide.pop_back();
    }
    return run::utf8Text(wide) + (zeroEnded ? std::string(1, '\0') : std::string());
}

// The value as stored, in full, however long; its size is asked first.
LSTATUS readValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& stored)
{
    DWORD size = 0;
    LSTATUS result = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    stored.resize(size);
    result = RegQueryValueExW(key, name.c_str(), nullptr, &type, stored.data(), &size);
    stored.resize(size);
    return result;
}

std::wstring temporaryName(std::wstring_view suffix)
{
    static std::random_device random;
    return L"quillon-" + std::to_wstring(random()) + std::wstring(suffix);
}

} // namespace

std::unique_ptr<PlatformServices> makeNativePlatform(void* ownerWindow)
{
    return std::make_unique<WindowsPlatform>(ownerWindow);
}

WindowsPlatform::WindowsPlatform(void* ownerWindow)
    : m_ownerWindow(ownerWindow)
{
}

std::optional<run::Message> WindowsPlatform::startSystemInfo()
{
    return StartSysInfo(*this);
}

std::optional<run::Message> WindowsPlatform::openWebPage(const std::string& address)
{
    return openWebPageThroughShell(*this, address);
}

long WindowsPlatform::openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, RegistryKey& key)
{
    HKEY opened = nullptr;
    const LSTATUS result = RegOpenKeyExW(rootHandle(root), run::wideText(keyName).c_str(), 0, access, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return result;
}

// RegQueryValueExW, not the ANSI call: the ANSI call would turn the text into the ANSI code page, losing what
// it cannot hold. The value is read whole and turned into UTF-8, and the room the caller gives (1024 bytes for
// GetKeyValue) is measured on those UTF-8 bytes, the terminating zero counted only where the value stores one.
// A value that changes between the two reads fails, as the ANSI call's ERROR_MORE_DATA would.
long WindowsPlatform::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& length)
{
    DWORD storedType = 0;
    std::vector<BYTE> stored;
    const LSTATUS result = readValue(handleOf(key), run::wideText(valueName), storedType, stored);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    const bool text = storedType == REG_SZ || storedType == REG_EXPAND_SZ;
    const std::string bytes = text ? textBytes(stored) : std::string(stored.begin(), stored.end());
    if (bytes.size() > length) {
        length = static_cast<std::uint32_t>(bytes.size());
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    length = static_cast<std::uint32_t>(bytes.size());
    type = storedType;
    return ERROR_SUCCESS;
}

void WindowsPlatform::closeKey(RegistryKey key)
{
    if (key != 0) {
        RegCloseKey(handleOf(key));
    }
}

long WindowsPlatform::findExecutable(const std::string& documentPath, std::string& program)
{
    wchar_t found[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(run::wideText(documentPath).c_str(), nullptr, found));
    if (result > kShellSuccessAbove) {
        program = run::utf8Text(found);
    }
    return static_cast<long>(result);
}

long WindowsPlatform::openWith(const std::string& program, const std::string& argument)
{
    const HINSTANCE result = ShellExecuteW(static_cast<HWND>(m_ownerWindow), L"open", run::wideText(program).c_str(),
                                           run::wideText(argument).c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

// The path is the program itself, never a command line for a shell; the program's window opens normally and
// activated, and nobody waits for it.
bool WindowsPlatform::startProgram(const std::string& path)
{
    if (path.empty()) {
        return false;
    }
    const std::wstring program = run::wideText(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool WindowsPlatform::fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(run::wideText(path).c_str());
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

// CREATE_NEW under a fresh name in the user's temporary folder, never through a link found there.
std::string WindowsPlatform::createTemporaryDocument(std::string_view suffix, std::string_view content)
{
    wchar_t folder[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, folder) == 0) {
        return {};
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring path = folder + temporaryName(run::wideText(suffix));
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return {};
        }
        DWORD written = 0;
        const auto size = static_cast<DWORD>(content.size());
        const bool complete = WriteFile(file, content.data(), size, &written, nullptr) && written == size;
        if (CloseHandle(file) && complete) {
            return run::utf8Text(path);
        }
        DeleteFileW(path.c_str());
        return {};
    }
    return {};
}

void WindowsPlatform::deleteFile(const std::string& path)
{
    DeleteFileW(run::wideText(path).c_str());
}

} // namespace quillon::ui::platform
