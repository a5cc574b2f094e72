// The log folder's places through the registry, the known folders and the file attributes of Windows.
#include "ui/win32/Places.h"

#include "run/WideText.h"

#include <vector>
#include <windows.h>
// shlobj.h builds on what windows.h defines.
#include <shlobj.h>

namespace quillon::ui::win32 {

namespace {

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring found;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        found = path;
    }
    CoTaskMemFree(path);
    return found;
}

// Whether `path` is `folder` or lies in it, whatever the letter case.
bool isWithin(const std::wstring& path, const std::wstring& folder)
{
    if (folder.empty() || path.size() < folder.size()) {
        return false;
    }
    const auto length = static_cast<int>(folder.size());
    return CompareStringOrdinal(path.c_str(), length, folder.c_str(), length, TRUE) == CSTR_EQUAL &&
           (path.size() == folder.size() || path[folder.size()] == L'\\');
}

// A file that no other program can have made, deleted again as its handle closes.
bool canCreateFileIn(const std::wstring& folder)
{
    const std::wstring probe = folder + L"\\quillon-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

DWORD attributesOf(const std::string& path)
{
    return GetFileAttributesW(run::wideText(path).c_str());
}

} // namespace

std::string RegistrySettings::text(std::string_view name) const
{
    const std::wstring valueName = run::wideText(name);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    DWORD size = 0;
    std::wstring value;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        value.resize(size / sizeof(wchar_t));
        RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
        value.resize(size / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') {
            value.pop_back();
        }
    }
    RegCloseKey(key);
    return run::utf8Text(value);
}

void RegistrySettings::setText(std::string_view name, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    const std::wstring value = run::wideText(text);
    RegSetValueExW(key, run::wideText(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::string WindowsFolderPlaces::remembered() const
{
    return RegistrySettings().text(kLogFolderSetting);
}

bool WindowsFolderPlaces::isFolder(const std::string& path) const
{
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WindowsFolderPlaces::mayWrite(const std::string& path) const
{
    const std::wstring folder = run::wideText(cleanPath(path));
    if (isWithin(folder, knownFolder(FOLDERID_ProgramFiles)) ||
        isWithin(folder, knownFolder(FOLDERID_ProgramFilesX86))) {
        return false;
    }
    return isFolder(path) && canCreateFileIn(folder);
}

std::string WindowsFolderPlaces::documentsFolder() const
{
    return run::utf8Text(knownFolder(FOLDERID_Documents) + L"\\Quillon");
}

void WindowsFolderPlaces::makeFolder(const std::string& path) const
{
    SHCreateDirectoryExW(nullptr, run::wideText(path).c_str(), nullptr);
}

std::string WindowsFolderPlaces::clean(const std::string& path) const
{
    return cleanPath(path);
}

forms::NamedPath WindowsPathProbe::look(const std::string& path) const
{
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    const std::string full = cleanPath(path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {forms::NamedPath::Kind::Folder, full, {}};
    }
    const std::size_t cut = full.find_last_of('\\');
    return {forms::NamedPath::Kind::File, cleanPath(full.substr(0, cut + 1)), full.substr(cut + 1)};
}

std::string cleanPath(const std::string& path)
{
    const std::wstring wide = run::wideText(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
    // "C:\" keeps its backslash; "C:\Logs\" loses it.
    while (full.size() > 3 && full.back() == L'\\') {
        full.pop_back();
    }
    return run::utf8Text(full);
}

std::string programFolder()
{
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    std::wstring program(path.data(), length);
    return run::utf8Text(program.substr(0, program.find_last_of(L'\\')));
}

} // namespace quillon::ui::win32
