#include "platform/control_fitting.h"

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {

// Left and width scale by one ratio, top and height by the other; a group box's
// controls scale relative to it; fonts keep their size.
TEST(FitControls, ScalesEveryControlAndTheControlsInsideAGroupBox)
{
    QWidget window;
    auto *group = new QGroupBox(&window);
    group->setGeometry(100, 100, 200, 100);
    auto *option = new QPushButton(group);
    option->setGeometry(10, 20, 50, 10);
    QFont font = option->font();
    font.setPointSizeF(8.25);
    option->setFont(font);

    fitControls(&window, FitRatios{1.5, 2.0});
    EXPECT_EQ(group->geometry(), QRect(150, 200, 300, 200));
    EXPECT_EQ(option->geometry(), QRect(15, 40, 75, 20));
    EXPECT_DOUBLE_EQ(option->font().pointSizeF(), 8.25);
}

} // namespace tessaly
