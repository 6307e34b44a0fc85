#include "main_window/design_geometry.h"
#include "main_window/main_window_controls.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {

// Width and height scale apart; each fit starts from the design, not an earlier rounding.
TEST(DesignGeometry, TwiceTheDesignAreaDoublesEveryControl)
{
    QWidget container;
    DesignGeometry geometry;
    std::vector<QWidget *> controls;
    for (const auto &design : entryControls()) {
        controls.push_back(new QWidget(&container));
        geometry.place(controls.back(), design.rect);
    }
    // 15 twips to a pixel: Text12 at 240, 360, 975 x 285 twips.
    EXPECT_EQ(controls.front()->geometry(), QRect(16, 24, 65, 19));
    const QSize design = designClientPixels();

    geometry.fitTo(&container, QSize(333, 211));
    for (const auto &[sx, sy] : {std::pair(2, 2), std::pair(2, 1), std::pair(1, 1)}) {
        geometry.fitTo(&container, QSize(design.width() * sx, design.height() * sy));
        for (QWidget *c : controls) {
            const QRect d = geometry.designRect(c);
            EXPECT_EQ(c->geometry(), QRect(d.x() * sx, d.y() * sy, d.width() * sx, d.height() * sy))
                << sx << " x " << sy;
        }
    }
}

} // namespace tessaly
