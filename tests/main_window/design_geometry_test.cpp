#include "main_window/design_geometry.h"
#include "main_window/main_window_controls.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {
namespace {

class DesignGeometryTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        for (const EntryControlSpec &design : entryControls()) {
            auto *control = new QWidget(&container);
            geometry.place(control, design.rect);
            controls.push_back(control);
        }
    }

    QWidget container;
    DesignGeometry geometry;
    std::vector<QWidget *> controls;
};

TEST_F(DesignGeometryTest, PlacesControlsAtTheirDesignPixels)
{
    // 15 twips to a pixel: Text12 at 240, 360, 975 x 285 twips.
    EXPECT_EQ(controls.front()->geometry(), QRect(16, 24, 65, 19));
    EXPECT_EQ(designClientPixels(), QSize(632, 426));
}

TEST_F(DesignGeometryTest, TwiceTheDesignAreaDoublesEveryControl)
{
    geometry.fitTo(&container, designClientPixels() * 2);
    for (QWidget *control : controls) {
        const QRect design = geometry.designRect(control);
        EXPECT_EQ(control->geometry(), QRect(design.left() * 2, design.top() * 2,
                                             design.width() * 2, design.height() * 2));
    }
}

TEST_F(DesignGeometryTest, WidthAndHeightScaleIndependently)
{
    const QSize design = designClientPixels();
    geometry.fitTo(&container, QSize(design.width() * 2, design.height()));
    for (QWidget *control : controls) {
        const QRect d = geometry.designRect(control);
        EXPECT_EQ(control->geometry(), QRect(d.left() * 2, d.top(), d.width() * 2, d.height()));
    }
}

TEST_F(DesignGeometryTest, EveryFitStartsFromTheDesign)
{
    geometry.fitTo(&container, QSize(1001, 677));
    geometry.fitTo(&container, QSize(333, 211));
    geometry.fitTo(&container, designClientPixels());
    for (QWidget *control : controls)
        EXPECT_EQ(control->geometry(), geometry.designRect(control));
}

} // namespace
} // namespace tessaly
