#include "forms/design_geometry.h"

#include <QGroupBox>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {

// A window designed at 9480 x 6390 twips: 632 x 426 pixels at 15 twips a pixel.
TEST(DesignGeometry, PlacesInPixelsAndScalesEachFitFromTheDesign)
{
    QWidget container;
    DesignGeometry geometry(9480, 6390);
    EXPECT_EQ(geometry.designClientPixels(), QSize(632, 426));

    auto *call = new QWidget(&container);
    auto *list = new QWidget(&container);
    geometry.place(call, {240, 360, 975, 285});
    geometry.place(list, {5280, 600, 4095, 4620});
    EXPECT_EQ(call->geometry(), QRect(16, 24, 65, 19));
    EXPECT_EQ(list->geometry(), QRect(352, 40, 273, 308));

    // An odd size first: a later fit must not start from its rounding.
    geometry.fitTo(&container, QSize(333, 211));
    geometry.fitTo(&container, QSize(1264, 426));
    EXPECT_EQ(call->geometry(), QRect(32, 24, 130, 19));
    EXPECT_EQ(list->geometry(), QRect(704, 40, 546, 308));
    geometry.fitTo(&container, QSize(1280, 752));
    // 1280 / 632 and 752 / 426, each rounded half away from zero.
    EXPECT_EQ(call->geometry(), QRect(32, 42, 132, 34));
    EXPECT_EQ(list->geometry(), QRect(713, 71, 553, 544));
}

// The controls inside a group box keep their place relative to it and scale by the
// window's ratios, like the group box itself.
TEST(DesignGeometry, GroupBoxContentsScaleWithTheWindow)
{
    QWidget container;
    DesignGeometry geometry(9270, 6480); // 618 x 432 pixels
    auto *frame = new QGroupBox(&container);
    auto *option = new QWidget(frame);
    geometry.place(frame, {240, 5440, 2895, 855});
    geometry.place(option, {240, 240, 2535, 255});
    geometry.fitTo(&container, QSize(1236, 864));
    EXPECT_EQ(frame->geometry(), QRect(32, 726, 386, 114));
    EXPECT_EQ(option->geometry(), QRect(32, 32, 338, 34));
}

} // namespace tessaly
