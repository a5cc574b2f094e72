// Why a field value fails the converter's check, in the user's words: one text per rule, kept in one place.
#pragma once

#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

// The 18 values of one contact as the reader hands them over, in the order of the columns in log.asc.
using ContactFields = std::array<std::string, kFieldCount>;

// The column's name as the log's description gives it: "CALL", "RST_SENT", "DATE".
std::string_view fieldLabel(Field field);

// Why `value` in `field` would be marked *BAD* when converted with these choices, or empty when it passes. Only
// CNTY looks at `state`, the contact's STATE as written. Whether a value fails is decided by the converter's own
// field conversion, so this can never disagree with it; the words only say which part of the rule was broken.
std::string fieldProblem(Field field, std::string_view value, std::string_view state, DateLayout layout,
                         BandFormat format);

struct FieldProblem {
    Field field;
    std::string reason;
};

// Every field of the contact that sends it to bad.adi, in the order of the columns, with its reason.
std::vector<FieldProblem> contactProblems(const ContactFields& fields, DateLayout layout, BandFormat format);

} // namespace quillon::engine
