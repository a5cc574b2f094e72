// The checked fields: CALL, MODE, DXCC, QSL_SENT, QSL_RCVD, STATE, IOTA and CNTY.
#pragma once

#include "engine/AdifFragment.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// Each reads its field, writes its fragment (with a *BAD* marker when the check fails) and leaves the value
// it worked on in the field.
void convertCall(std::string& call, AdifFragment& fragment);
void convertMode(std::string& mode, AdifFragment& fragment);
void convertDxcc(std::string& dxcc, AdifFragment& fragment);
void convertQsl(std::string& qsl, std::string_view tag, AdifFragment& fragment);
void convertState(std::string& state, AdifFragment& fragment);
void convertIota(std::string& iota, AdifFragment& fragment);
// Uses STATE as convertState left it.
void convertCounty(std::string& county, const std::string& state, AdifFragment& fragment);

} // namespace quillon::engine
