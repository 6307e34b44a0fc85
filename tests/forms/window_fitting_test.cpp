#include "forms/window_fitting.h"

#include <gtest/gtest.h>

using namespace tessaly;

TEST(WindowFitting, TwipsRoundToPixelsAndWidthAndHeightEachFollowTheirOwnRatio)
{
    const std::pair<int, int> twips[] = {{7, 0}, {8, 1}, {22, 1}, {23, 2}, {9480, 632}, {-15, -1}};
    for (const auto &[in, pixels] : twips)
        EXPECT_EQ(twipsToPixels(in), pixels) << in;
    EXPECT_EQ(twipsRect(240, 360, 975, 285), QRect(16, 24, 65, 19));

    const FitRatios twiceAsWide = fitRatios(QSize(632, 426), QSize(1264, 426));
    EXPECT_EQ(scaleRect(QRect(16, 24, 65, 19), twiceAsWide), QRect(32, 24, 130, 19));
    const FitRatios ratios = fitRatios(QSize(600, 400), QSize(1200, 300));
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), ratios), QRect(20, 15, 60, 30));
    // Each value rounds half away from zero on its own.
    EXPECT_EQ(scaleRect(QRect(-3, 5, 1, 1), FitRatios{1.5, 0.5}), QRect(-5, 3, 2, 1));
    // A size that is not positive leaves that direction unscaled.
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), fitRatios(QSize(600, 400), QSize(1200, 0))),
              QRect(20, 20, 60, 40));
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), fitRatios(QSize(-1, 400), QSize(800, 600))),
              QRect(10, 30, 30, 60));
}
