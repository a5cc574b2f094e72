// One ADIF output field as text: "<TAG:length>data " and the rules that build it.
#pragma once

#include "engine/ByteBuffer.h"
#include "engine/ContactRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::engine {

// A fragment is either empty (the field is absent) or ends with exactly one space.
using AdifFragment = ByteBuffer;

// Marks a problem in a fragment; any line that contains it goes to bad.adi.
inline constexpr std::string_view kBadMarker = "*BAD*";

// The tag rule: "<" + tag + ":" + byte length of value + ">" + value + " ".
void makeFragment(AdifFragment& fragment, std::string_view tag, std::string_view value);

// Empties the fragment and writes "<TAG:length>"; the caller appends exactly `dataLength` bytes and one space.
void startFragment(AdifFragment& fragment, std::string_view tag, std::size_t dataLength);

// The marked value of a failed check: "<TAG:5>*BAD* " + value + " ". The declared 5 covers "*BAD*" only, so the
// line reaches bad.adi with the offending value shown for the user to correct by hand.
void makeMarkedFragment(AdifFragment& fragment, std::string_view tag, std::string_view value);

// The plain rule: the field is trimmed in place; a blank field gives no fragment, anything else a tagged one.
void applyPlainRule(FieldText& field, std::string_view tag, AdifFragment& fragment);

} // namespace quillon::engine
