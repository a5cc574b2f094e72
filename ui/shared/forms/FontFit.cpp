// Choosing a control's font size at a screen's density from the room its text takes at 96 dpi.
#include "ui/shared/forms/FontFit.h"

#include <cmath>

namespace quillon::forms {

namespace {

constexpr int kPointsPerInch = 72;

// Rounded down, as the pixels of a box are at most what its twips come to.
int scaledDown(int pixels, int dpi)
{
    return pixels * dpi / kStandardDpi;
}

} // namespace

int scaledFontPixels(const FontSpec& font, int dpi)
{
    // The sizes of the forms are whole pixels at 96 dpi (8.25 points are 11), so the small allowance only keeps a
    // product such as 9.75 × 144 / 72 from falling below its whole number.
    return static_cast<int>(std::floor(font.points * dpi / kPointsPerInch + 1e-9));
}

int fittedFontPixels(const FontSpec& font, int dpi, const TextMeasure& measure)
{
    const PixelSize designed = measure(scaledFontPixels(font, kStandardDpi));
    const PixelSize room{scaledDown(designed.width, dpi), scaledDown(designed.height, dpi)};
    int pixels = scaledFontPixels(font, dpi);
    for (; pixels > 1; --pixels) {
        const PixelSize text = measure(pixels);
        if (text.width <= room.width && text.height <= room.height) {
            break;
        }
    }
    return pixels;
}

} // namespace quillon::forms
