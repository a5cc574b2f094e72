// The checked fields: CALL, MODE, DXCC, QSL_SENT, QSL_RCVD, STATE, IOTA and CNTY.
#pragma once

#include "engine/AdifFragment.h"
#include "engine/ContactRecord.h"

#include <string>
#include <string_view>

namespace quillon::engine {

// Each reads its field, writes its fragment (with a *BAD* marker when the check fails) and leaves the value
// it worked on in the field.
void convertCall(FieldText& call, AdifFragment& fragment);
void convertMode(FieldText& mode, AdifFragment& fragment);
void convertDxcc(FieldText& dxcc, AdifFragment& fragment);
void convertQsl(FieldText& qsl, const AdifTag& tag, AdifFragment& fragment);
void convertState(FieldText& state, AdifFragment& fragment);
void convertIota(FieldText& iota, AdifFragment& fragment);
// Uses STATE as convertState left it.
void convertCounty(FieldText& county, const FieldText& state, AdifFragment& fragment);

} // namespace quillon::engine
