// The correction window as both front ends build it: a line about the contact, its 18 fields with their labels and
// reasons, the one-line box of a line mended as one text, a status line, the buttons, and the keys.
#pragma once

#include "engine/ContactRecord.h"
#include "ui/shared/forms/FormTable.h"

#include <string_view>

namespace quillon::forms {

inline constexpr TwipsRect kCorrectionClientArea{0, 0, 11520, 7140};
inline constexpr std::string_view kCorrectionTitle = "Correct Bad Contacts";

// The controls: lblContact, then for each field lblFieldN (its label as in the log), txtFieldN and lblReasonN
// (N from 1 to 18, in the order of the log's columns), txtLine and lblLineReason, lblStatus and the buttons
// cbPrevious, cbNext, cbSave and cbClose.
FormTable correctionControls();

std::string_view fieldLabelName(engine::Field field);
std::string_view fieldBoxName(engine::Field field);
std::string_view fieldReasonName(engine::Field field);
// The field whose box has that name; false when the name is no field's box.
bool fieldOfBox(std::string_view control, engine::Field& field);

inline constexpr std::string_view kLineBox = "txtLine";
inline constexpr std::string_view kLineReason = "lblLineReason";

// The colour of a reason, and of the text of a field that fails.
inline constexpr Rgb kProblemColour{176, 0, 0};

// The keys of the window and what each does: Page Down and Page Up move to the next and previous contact, keeping
// what was typed; Ctrl+S saves; Esc closes, asking first when something is unsaved.
enum class CorrectionKey { PageDown, PageUp, CtrlS, Escape };

} // namespace quillon::forms
