#include "forms/screen_scale.h"

#include <gtest/gtest.h>

namespace tessaly {

// A 640 x 480 screen is the design: nothing changes. A wide screen stretches each direction
// by its own ratio, and the fonts follow the smaller one so that letters still fit the
// heights, which follow the height ratio.
TEST(ScreenScale, EachDirectionByItsRatioAndFontsByTheSmaller)
{
    const struct {
        QSize screen;
        float x, y, font;
        QRect window; // the 523 x 324 pixel label window
    } cases[] = {
        {QSize(640, 480), 1, 1, 1, QRect(58, 78, 523, 324)},
        {QSize(1280, 800), 2, 800.0f / 480, 800.0f / 480, QRect(117, 130, 1046, 540)},
        {QSize(1024, 1280), 1.6f, 1280.0f / 480, 1.6f, QRect(93, 208, 837, 864)},
        {QSize(0, -5), 1, 1, 1, QRect(-261, -164, 523, 324)},
    };
    for (const auto &c : cases) {
        const ScreenScale scale = screenScale(c.screen);
        EXPECT_FLOAT_EQ(scale.x, c.x) << c.screen.width();
        EXPECT_FLOAT_EQ(scale.y, c.y) << c.screen.width();
        EXPECT_FLOAT_EQ(scale.font, c.font) << c.screen.width();
        EXPECT_EQ(scaledWindowRect(QSize(523, 324), c.screen, scale), c.window) << c.screen.width();
    }
}

} // namespace tessaly
