// The rows that describe a form: each control's kind, parent, text, box in twips, tab index and font.
#pragma once

#include "ui/shared/forms/Twips.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillon::forms {

// A link is a label that opens its address: clicked, or from the keyboard, reached with Tab and pressed with Enter
// or Space.
enum class ControlKind { Frame, OptionButton, PushButton, TextBox, Label, Link };

// Faces of the classic forms; WindowDefault is the form's own font, MS Sans Serif 8.25 pt, regular.
enum class ControlFace { WindowDefault, Arial, MsSansSerif, ComicSansMs };

struct FontSpec {
    ControlFace face = ControlFace::WindowDefault;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

inline constexpr FontSpec kWindowDefaultFont{};

// The face's name as the fonts of Windows know it.
std::string_view faceName(ControlFace face);

enum class TextAlignment { Left, Centre };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// How a control's box is used: as designed, grown downwards when the local font needs more height, or sized to
// the control's text from its top-left corner.
enum class Fit { Box, GrowDown, ToText };

// One control, as the form defines it. The parent is the name of another row, or empty for the form itself.
// A tab index below zero marks a control that never takes the focus.
struct ControlRow {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::string_view parent;
    std::string_view text;
    TwipsRect box;
    int tabIndex = -1;
    FontSpec font;
    TextAlignment alignment = TextAlignment::Left;
    const Rgb* textColour = nullptr; // null: the platform's colour
    Fit fit = Fit::Box;
};

using FormTable = std::span<const ControlRow>;

// The row of that name; null when there is none.
const ControlRow* findRow(FormTable table, std::string_view name);

// The controls that take the focus, in the order the Tab key visits them.
std::vector<std::string_view> focusOrder(FormTable table);

// The row's box measured from the form's inner area, through every frame it stands in, for toolkits whose
// controls all belong to the form itself.
TwipsRect formBox(FormTable table, const ControlRow& row);

// Whether the control shows text as a label does, sized or grown by its row's fit.
constexpr bool isLabel(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Link;
}

// Whether the user can move the focus to such a control.
constexpr bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::OptionButton || kind == ControlKind::PushButton || kind == ControlKind::TextBox ||
           kind == ControlKind::Link;
}

} // namespace quillon::forms
