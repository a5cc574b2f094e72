// The font size of a control at a screen density, against texts whose glyphs grow in proportion and texts whose
// hinted glyphs grow faster.
#include "ui/shared/forms/FontFit.h"

#include <gtest/gtest.h>

namespace {

using namespace quillon::forms;

constexpr FontSpec kLabel{ControlFace::Arial, 11.25, true};

// Ten pixels across and 17/15 down to the em, plus what hinting adds from a size on.
TextMeasure textOf(int hintedFrom, int hintedExtra)
{
    return [=](int pixels) {
        return PixelSize{10 * pixels + (pixels >= hintedFrom ? hintedExtra : 0), pixels * 17 / 15};
    };
}

} // namespace

TEST(FontFit, ScaledSizesAreRoundedDown)
{
    struct Case {
        double points;
        int dpi;
        int pixels;
    };
    const Case cases[] = {{8.25, 96, 11},  {9, 96, 12},      {9.75, 96, 13},   {11.25, 96, 15},  {8.25, 144, 16},
                          {9.75, 144, 19}, {11.25, 120, 18}, {11.25, 144, 22}, {11.25, 192, 30}, {9.75, 192, 26}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + " pt at " + std::to_string(c.dpi));
        EXPECT_EQ(scaledFontPixels({ControlFace::Arial, c.points}, c.dpi), c.pixels);
    }
}

TEST(FontFit, TextTakesNoMoreRoomThanAt96Dpi)
{
    struct Case {
        const char* what;
        int dpi;
        TextMeasure measure;
        int pixels;
    };
    const Case cases[] = {
        {"designed size at 96, even where hinting widens it", 96, textOf(15, 40), 15},
        {"proportional glyphs at 120", 120, textOf(99, 0), 18},
        {"proportional glyphs at 144", 144, textOf(99, 0), 22},
        {"proportional glyphs at 192", 192, textOf(99, 0), 30},
        {"hinting widens 30 pixels past 2 x 150", 192, textOf(30, 8), 29},
        {"hinting widens every size from 20 on", 144, textOf(20, 6), 21},
        {"only the designed size fits", 144, textOf(16, 1000), 15},
        {"lines grow taller from 21 on", 144,
         [](int pixels) {
             return PixelSize{pixels, pixels + (pixels > 20 ? 5 : 2)};
         },
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fittedFontPixels(kLabel, c.dpi, c.measure), c.pixels);
    }
}
