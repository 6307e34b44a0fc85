#include "core/window_fitting.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(WindowFitting, TwipsRoundToTheNearestPixel)
{
    const std::pair<int, int> cases[] = {
        {0, 0}, {15, 1}, {7, 0}, {8, 1}, {22, 1}, {23, 2}, {9480, 632}, {6390, 426}, {-15, -1},
    };
    for (const auto &[twips, pixels] : cases)
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    EXPECT_EQ(twipsRect(240, 360, 975, 285), QRect(16, 24, 65, 19));
}

TEST(WindowFitting, AWorkAreaTwiceAsWideDoublesLeftAndWidthOnly)
{
    const FitRatios ratios = fitRatios(QSize(632, 426), QSize(1264, 426));
    EXPECT_DOUBLE_EQ(ratios.x, 2.0);
    EXPECT_DOUBLE_EQ(ratios.y, 1.0);
    EXPECT_EQ(scaleRect(QRect(16, 24, 65, 19), ratios), QRect(32, 24, 130, 19));
}

TEST(WindowFitting, HeightAndTopFollowTheirOwnRatio)
{
    const FitRatios ratios = fitRatios(QSize(600, 400), QSize(1200, 300));
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), ratios), QRect(20, 15, 60, 30));
    EXPECT_EQ(scaleLine(QLine(10, 20, 30, 40), ratios), QLine(20, 15, 60, 30));
}

TEST(WindowFitting, EachValueRoundsToTheNearestOnItsOwn)
{
    const FitRatios ratios{1.5, 0.5};
    // 3 * 1.5 = 4.5 and 5 * 0.5 = 2.5 round away from zero; 1 * 0.5 = 0.5 does too.
    EXPECT_EQ(scaleRect(QRect(3, 5, 1, 1), ratios), QRect(5, 3, 2, 1));
    EXPECT_EQ(scaleRect(QRect(2, 4, 7, 3), ratios), QRect(3, 2, 11, 2));
}

TEST(WindowFitting, AMissingSizeLeavesThatDirectionUnscaled)
{
    const FitRatios noDesignWidth = fitRatios(QSize(0, 400), QSize(800, 600));
    EXPECT_DOUBLE_EQ(noDesignWidth.x, 1.0);
    EXPECT_DOUBLE_EQ(noDesignWidth.y, 1.5);
    const FitRatios noTarget = fitRatios(QSize(400, 400), QSize(0, -1));
    EXPECT_DOUBLE_EQ(noTarget.x, 1.0);
    EXPECT_DOUBLE_EQ(noTarget.y, 1.0);
}

} // namespace
} // namespace tessaly
