#include "platform/control_fitting.h"

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(FitControls, ScalesLeftAndWidthByOneRatioAndTopAndHeightByTheOther)
{
    QWidget window;
    auto *button = new QPushButton(&window);
    button->setGeometry(10, 20, 30, 40);
    fitControls(&window, FitRatios{2.0, 0.5});
    EXPECT_EQ(button->geometry(), QRect(20, 10, 60, 20));
}

TEST(FitControls, ScalesTheControlsInsideAGroupBoxRelativeToIt)
{
    QWidget window;
    auto *group = new QGroupBox(&window);
    group->setGeometry(100, 100, 200, 100);
    auto *option = new QPushButton(group);
    option->setGeometry(10, 20, 50, 10);
    fitControls(&window, FitRatios{1.5, 2.0});
    EXPECT_EQ(group->geometry(), QRect(150, 200, 300, 200));
    EXPECT_EQ(option->geometry(), QRect(15, 40, 75, 20));
}

TEST(FitControls, KeepsFontSizes)
{
    QWidget window;
    auto *button = new QPushButton(&window);
    QFont font = button->font();
    font.setPointSizeF(8.25);
    button->setFont(font);
    button->setGeometry(0, 0, 10, 10);
    fitControls(&window, FitRatios{3.0, 3.0});
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 8.25);
}

} // namespace
} // namespace tessaly
