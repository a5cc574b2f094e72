// The registry read: a 1024-byte buffer, one trailing zero byte dropped, text and number values.
#include "ui/platform/RegistryValue.h"

#include <array>

namespace quillon::ui::platform {

namespace {

constexpr std::uint32_t kBufferSize = 1024;

// A number value is written "&h" and its bytes in hexadecimal, last byte first, and then read as a number: its
// decimal text is what the caller gets.
std::string numberText(const std::string& bytes)
{
    unsigned long long value = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        value = value << 8 | static_cast<unsigned char>(*it);
    }
    return std::to_string(value);
}

class KeyCloser
{
public:
    KeyCloser(RegistryAndShell& platform, const RegistryKey& key)
        : m_platform(platform)
        , m_key(key)
    {
    }
    ~KeyCloser() { m_platform.closeKey(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    RegistryAndShell& m_platform;
    const RegistryKey& m_key;
};

} // namespace

bool GetKeyValue(RegistryAndShell& platform, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal)
{
    RegistryKey key = 0;
    const KeyCloser closer(platform, key); // also after a failed open, when there is no key
    if (platform.openKey(KeyRoot, KeyName, kKeyRead, key) != kRegistrySuccess) {
        KeyVal.clear();
        return false;
    }
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t length = kBufferSize;
    std::uint32_t type = 0;
    if (platform.queryValue(key, SubKeyRef, type, buffer.data(), length) != kRegistrySuccess) {
        KeyVal.clear();
        return false;
    }
    if (length == 0) {
        throw RegistryValueError();
    }
    std::string data(reinterpret_cast<const char*>(buffer.data()), std::min(length, kBufferSize));
    if (data.back() == '\0') {
        data.pop_back(); // exactly one terminating zero, only at the end
    }
    if (type == kRegSz) {
        KeyVal = data;
    } else if (type == kRegDword) {
        KeyVal = numberText(data);
    }
    return true;
}

} // namespace quillon::ui::platform
