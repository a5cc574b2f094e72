// Reads one registry value as text, as the About box's system-information lookup needs it.
#pragma once

#include "ui/platform/RegistryAndShell.h"

#include <stdexcept>
#include <string>

namespace quillon::ui::platform {

// A value that reports a length of zero: not handled here, passed on to the caller.
class RegistryValueError : public std::runtime_error
{
public:
    RegistryValueError()
        : std::runtime_error("registry value of zero bytes")
    {
    }
};

// Opens `KeyName` under `KeyRoot` and reads the value `SubKeyRef` into `KeyVal`. True when the key was opened and
// the value read, whatever its type: text (1) is taken as it is, a 32-bit number (4) becomes its decimal text, any
// other type leaves `KeyVal` as the caller passed it. False, with `KeyVal` empty, when either step fails. The key
// is closed on every path. Throws RegistryValueError for a value of zero bytes.
bool GetKeyValue(RegistryAndShell& platform, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

} // namespace quillon::ui::platform
