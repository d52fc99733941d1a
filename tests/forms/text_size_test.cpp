// The layout's scale for the player's text size: the DPI at the default size, more in
// proportion to a bigger message font, and shrunk with its font where the screen is small.

#include "forms/core/text_size.h"
#include "forms/platform/dpi.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kClientTwips{5460, 5985};
constexpr SIZE kAnyScreen{100000, 100000};

LONG pointsHigh(int points, UINT dpi) {
    return -MulDiv(points, static_cast<int>(dpi), 72);
}

bool fits(UINT layoutDpi, SIZE room) {
    return forms::twipsToPixels(kClientTwips.cx, layoutDpi) <= room.cx &&
           forms::twipsToPixels(kClientTwips.cy, layoutDpi) <= room.cy;
}

TEST(TextSizeScale, AtTheDefaultTextSizeOrBelowTheLayoutIsAtTheDpiAndTheFontAsItIs) {
    for (const UINT dpi : {96u, 120u, 144u, 192u})
        for (const LONG height : {pointsHigh(9, dpi), pointsHigh(8, dpi), LONG{0}}) {
            const forms::FormScale scale = forms::scaleForTextSize(dpi, height, kClientTwips, kAnyScreen);
            EXPECT_EQ(scale.layoutDpi, dpi) << height;
            EXPECT_EQ(scale.fontHeight, height);
        }
}

TEST(TextSizeScale, ABiggerTextSizeGrowsTheLayoutWithTheFont) {
    struct Case {
        UINT dpi;
        LONG height;
        UINT layoutDpi;
    };
    for (const Case& c : {Case{96, -15, 120},
                          {96, -18, 144},
                          {96, -24, 192},
                          {96, -27, 216},
                          {144, -27, 216},
                          {144, -36, 288},
                          {144, -41, 328},
                          {96, 24, 192}}) {
        const forms::FormScale scale = forms::scaleForTextSize(c.dpi, c.height, kClientTwips, kAnyScreen);
        EXPECT_EQ(scale.layoutDpi, c.layoutDpi) << c.dpi << " DPI, " << c.height;
        EXPECT_EQ(scale.fontHeight, c.height);
    }
}

// A window at 200 % on a 1280 x 800 screen at 96 DPI (a Steam Deck's), and on tinier ones.
TEST(TextSizeScale, WhereTheGrownWindowWouldNotFitItShrinksWithItsFontToTheLargestThatFits) {
    for (const SIZE room : {SIZE{1274, 771}, SIZE{700, 2000}, SIZE{500, 500}}) {
        const forms::FormScale scale = forms::scaleForTextSize(96, -24, kClientTwips, room);
        EXPECT_TRUE(fits(scale.layoutDpi, room) || scale.layoutDpi == 96) << room.cx << " x " << room.cy;
        EXPECT_FALSE(fits(scale.layoutDpi + 1, room));
        EXPECT_EQ(scale.fontHeight, MulDiv(-24, static_cast<int>(scale.layoutDpi), 192)) << "in proportion";
    }
    const forms::FormScale tiny = forms::scaleForTextSize(96, -24, kClientTwips, {200, 200});
    EXPECT_EQ(tiny.layoutDpi, 96u) << "never smaller than at the default text size";
    EXPECT_EQ(tiny.fontHeight, -12);
}

} // namespace
