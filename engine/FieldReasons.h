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

// What a contact is checked by: the date layout and band format, and the output, since ADIF 3 reads some fields
// by rules of its own (its band and mode lists, its value lists, the short dates and times).
struct CheckChoices {
    DateLayout layout = DateLayout::YyMmDd;
    BandFormat format = BandFormat::Meters;
    AdifVersion output = AdifVersion::Classic;
    CodePage codePage = CodePage::Windows1252; // ADIF 3 folds the text of this code page to plain ASCII first
};

// Why `field` of the contact would be marked *BAD* when converted with these choices, or empty when it passes. A
// field is read with the others it depends on: CNTY with STATE, and under ADIF 3 BAND with FREQ. Whether a value
// fails is decided by the converter's own field conversion, so this can never disagree with it; the words only
// say which part of the rule was broken.
std::string fieldProblem(Field field, const ContactFields& contact, const CheckChoices& choices);

struct FieldProblem {
    Field field;
    std::string reason;
};

// Why a corrected value cannot go into the log: `character` has no byte in the log's code page.
std::string notInCodePageReason(std::string_view character, CodePage page);

// Every field of the contact that sends it to bad.adi, in the order of the columns, with its reason.
std::vector<FieldProblem> contactProblems(const ContactFields& fields, const CheckChoices& choices);

} // namespace quillon::engine
