// The registry and shell calls behind the About box's two actions on Windows: registry values, the program that opens
// a kind of document, starting programs and a temporary document. WindowsPlatform makes them; the steps over them
// are plain C++, so their tests run with a scripted stand-in on every system.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::ui::platform {

using RegistryKey = std::uintptr_t; // 0 is no key

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
// Read rights only: asking for more makes the lookup fail for users who may only read the key.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr long kRegistrySuccess = 0;
inline constexpr long kRegistryNotFound = 2;
inline constexpr long kRegistryAccessDenied = 5;
inline constexpr long kRegistryMoreData = 234;
// Shell calls report success with a number above this.
inline constexpr long kShellSuccessAbove = 32;
inline constexpr long kShellFileNotFound = 2;
inline constexpr long kShellNoAssociation = 31;

class RegistryAndShell
{
public:
    virtual ~RegistryAndShell() = default;

    // Registry reads in the manner of the classic calls: 0 means success, anything else a failure.
    virtual long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, RegistryKey& key) = 0;
    // `length` holds the room in `data` on the way in and the length of the value on the way out.
    virtual long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                            std::uint32_t& length) = 0;
    virtual void closeKey(RegistryKey key) = 0;

    // The program that opens documents like `documentPath`; a result above 32 means found.
    virtual long findExecutable(const std::string& documentPath, std::string& program) = 0;
    // Starts `program` with one argument, without waiting; a result above 32 means started.
    virtual long openWith(const std::string& program, const std::string& argument) = 0;
    // Starts a program without waiting for it; false when it cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
    // True for an ordinary file that is not hidden.
    virtual bool fileExists(const std::string& path) = 0;

    // Creates a new document under a unique name in the user's temporary folder, never through an existing
    // link, and returns its path; empty when it cannot be made.
    virtual std::string createTemporaryDocument(std::string_view suffix, std::string_view content) = 0;
    virtual void deleteFile(const std::string& path) = 0;
};

} // namespace quillon::ui::platform
