// What a run adds when it writes ADIF 3: the header fields before <EOH> and the note on folded text.
#pragma once

#include "run/Clock.h"
#include "run/RunHost.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

// ADIF_VER, PROGRAMID, PROGRAMVERSION and CREATED_TIMESTAMP (the clock's UTC reading), one field a line. They follow
// the free-text lines, which stay, so that the file still does not begin with "<".
std::vector<std::string> adif3HeaderFields(const Clock& clock);

// "Folded text": told once after a run in which any field held characters outside plain ASCII.
std::optional<Message> foldedFieldsNote(std::int64_t foldedFields);

} // namespace quillon::run
