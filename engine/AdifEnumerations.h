// The small ADIF value lists that strict readers check: DXCC entity codes, QSL statuses and IOTA continents.
#pragma once

#include <string_view>

namespace quillon::engine {

// Whether ADIF lists the entity code, deleted entities included; 0 is "no entity".
bool isDxccEntityCode(int code);

// Y, N, R, Q or I.
bool isQslSentStatus(std::string_view value);
// Y, N, R, I or V.
bool isQslReceivedStatus(std::string_view value);

// AF, AN, AS, EU, NA, OC or SA.
bool isIotaContinent(std::string_view value);

} // namespace quillon::engine
