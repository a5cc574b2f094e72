// Checks of the fields that need more than trimming.
#include "engine/FieldChecks.h"

namespace quillon::engine {

void convertCall(std::string& call, AdifFragment& fragment)
{
    applyPlainRule(call, "CALL", fragment);
}

void convertMode(std::string& mode, AdifFragment& fragment)
{
    applyPlainRule(mode, "MODE", fragment);
}

void convertDxcc(std::string& dxcc, AdifFragment& fragment)
{
    applyPlainRule(dxcc, "DXCC", fragment);
}

void convertQsl(std::string& qsl, std::string_view tag, AdifFragment& fragment)
{
    applyPlainRule(qsl, tag, fragment);
}

void convertState(std::string& state, AdifFragment& fragment)
{
    applyPlainRule(state, "STATE", fragment);
}

void convertIota(std::string& iota, AdifFragment& fragment)
{
    applyPlainRule(iota, "IOTA", fragment);
}

void convertCounty(std::string& county, const std::string& /*state*/, AdifFragment& fragment)
{
    applyPlainRule(county, "CNTY", fragment);
}

} // namespace quillon::engine
