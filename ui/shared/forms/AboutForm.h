// The About box as both front ends build it: its inner area, its controls, its etched rule, where it stands and
// the texts it sets while loading.
#pragma once

#include "ui/shared/forms/FormTable.h"

#include <span>
#include <string>

namespace quillon::forms {

inline constexpr TwipsRect kAboutClientArea{0, 0, 5730, 3555};

// The controls in the order of the box's definition, all placed directly on the box. OK is the default and the
// cancel button; the '&' of "&System Info..." makes Alt+S press it. Tab goes from OK to System Info to the web
// address, which Enter or Space opens.
FormTable aboutControls();

// One line of the etched rule between the author line and the buttons, drawn `width` pixels wide.
struct TwipsPoint {
    int x = 0;
    int y = 0;
};
struct LineRow {
    TwipsPoint from;
    TwipsPoint to;
    Rgb colour;
    int width = 1;
};
// The grey line first, then the white one just under it.
std::span<const LineRow> aboutLines();

// Where a box stands when it is centred on the screen by its outer size, frame and caption included. Sizes in
// twips; the halving is done in floating point and not rounded.
struct Position {
    double left = 0;
    double top = 0;
};
Position centredPosition(double screenWidth, double screenHeight, double outerWidth, double outerHeight);

// "About " and the application title.
std::string aboutCaption();

// "Version " and the numbers in plain decimal, without leading zeros, joined by dots.
std::string versionLabelText(int major, int minor, int revision);

} // namespace quillon::forms
