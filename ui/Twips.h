// Twips, the unit the window's layout is written in, and their pixels at 96 dots per inch.
#pragma once

#include <QRect>

namespace quillon::ui {

inline constexpr int kTwipsPerPixel = 15;

// A control's box in twips, measured from the top-left corner of its parent.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Rounded to the nearest pixel. Qt's high-DPI scaling takes it from there on denser screens.
constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The edges are rounded rather than the size, so boxes that meet in twips still meet in pixels.
inline QRect pixelRect(const TwipsRect& box)
{
    const int left = twipsToPixels(box.left);
    const int top = twipsToPixels(box.top);
    return {left, top, twipsToPixels(box.left + box.width) - left, twipsToPixels(box.top + box.height) - top};
}

} // namespace quillon::ui
