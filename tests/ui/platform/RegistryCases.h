// The registry values GetKeyValue is tried on, whichever registry holds them, and what it makes of them.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <string>
#include <vector>

namespace quillon::tests {

struct RegistryCase {
    const char* name;
    std::uint32_t type; // 0: the key holds no such value
    std::string stored; // as UTF-8 text or, for a number, its bytes; a terminating zero where one is stored
    bool result;
    std::string keyVal; // "before" is what the caller passed in
};

// "é" takes two bytes: 1021 letters, "é" and the zero make 1024 bytes, one letter more is too many.
inline std::vector<RegistryCase> registryCases()
{
    using namespace ui::platform;
    const std::string fits = std::string(1021, 'a') + "\xc3\xa9";
    return {
        {"text with its zero byte", kRegSz, std::string("C:\\Z\xc3\xbcrich\0", 11), true, "C:\\Z\xc3\xbcrich"},
        {"text without a zero byte is used whole", kRegSz, "C:\\x", true, "C:\\x"},
        {"of two zero bytes only the last is dropped", kRegSz, std::string("ab\0\0", 4), true, std::string("ab\0", 3)},
        {"1024 bytes are read", kRegSz, fits + '\0', true, fits},
        {"1025 bytes count as missing", kRegSz, 'b' + fits + '\0', false, ""},
        {"a number becomes its decimal text", kRegDword, std::string("\x10\x27\0\0", 4), true, "10000"},
        {"another type leaves the text alone", kRegExpandSz, std::string("%x%\0", 4), true, "before"},
        {"the value is missing", 0, "", false, ""},
    };
}

} // namespace quillon::tests
