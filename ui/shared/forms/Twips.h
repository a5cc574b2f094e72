// Twips, the unit the forms are laid out in, and the pixels they come to at a screen's dots per inch.
#pragma once

namespace quillon::forms {

// 1440 twips make an inch: 15 twips one pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;

// A control's box in twips, measured from the top-left corner of its parent's inner area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Rounded to the nearest pixel at `dpi` dots per inch.
constexpr int twipsToPixels(int twips, int dpi = kStandardDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

// The edges are rounded rather than the size, so boxes that meet in twips still meet in pixels.
constexpr PixelRect pixelRect(const TwipsRect& box, int dpi = kStandardDpi)
{
    const int left = twipsToPixels(box.left, dpi);
    const int top = twipsToPixels(box.top, dpi);
    return {left, top, twipsToPixels(box.left + box.width, dpi) - left, twipsToPixels(box.top + box.height, dpi) - top};
}

} // namespace quillon::forms
