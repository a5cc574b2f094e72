// The size of a control's font at a screen's dots per inch, chosen so that its text fits where it fits at 96.
#pragma once

#include "ui/shared/forms/FormTable.h"

#include <functional>

namespace quillon::forms {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The extent of a control's text, in its face and style, at a font of `pixels` pixels to the em.
using TextMeasure = std::function<PixelSize(int pixels)>;

// The font's pixels to the em at `dpi`, rounded down. The boxes scale exactly from twips; a font rounded up would
// outgrow them (11.25 points are 22.5 pixels at 144 dpi, and 23 push the colon of "Records Processed:" under the
// counter).
int scaledFontPixels(const FontSpec& font, int dpi);

// The largest size from scaledFontPixels down at which the text takes no more room, across or down, than it takes
// at 96 dpi, scaled to `dpi` and rounded down. Hinted glyphs do not grow in proportion ("Records Processed:" is 142
// pixels wide at 96 dpi and 292, not 284, at twice the size), while the room the form leaves beside and below a
// text does; so at every density a text ends where it ends at 96 dpi, short of the counter and of the line below.
// At 96 dpi this is the designed size.
int fittedFontPixels(const FontSpec& font, int dpi, const TextMeasure& measure);

} // namespace quillon::forms
