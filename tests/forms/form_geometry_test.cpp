#include "forms/control_table.h"
#include "forms/design_geometry.h"
#include "forms/screen_scale.h"
#include "forms/window_fitting.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessaly {

using namespace Qt::Literals::StringLiterals;

TEST(WindowFitting, TwipsRoundToPixelsAndEachValueScalesByItsOwnRatio)
{
    const std::pair<int, int> twips[] = {{7, 0}, {8, 1}, {22, 1}, {23, 2}, {9480, 632}, {-15, -1}};
    for (const auto &[in, pixels] : twips)
        EXPECT_EQ(twipsToPixels(in), pixels) << in;
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), fitRatios(QSize(600, 400), QSize(1200, 300))),
              QRect(20, 15, 60, 30));
    // Each value rounds half away from zero on its own.
    EXPECT_EQ(scaleRect(QRect(-3, 5, 1, 1), FitRatios{1.5, 0.5}), QRect(-5, 3, 2, 1));
    // A size that is not positive leaves that direction unscaled.
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), fitRatios(QSize(600, 400), QSize(1200, 0))),
              QRect(20, 20, 60, 40));
    EXPECT_EQ(scaleRect(QRect(10, 20, 30, 40), fitRatios(QSize(-1, 400), QSize(800, 600))),
              QRect(10, 30, 30, 60));
}

// A window designed at 9480 x 6390 twips: 632 x 426 pixels at 15 twips a pixel. Each fit starts
// from the design, and the controls inside a group box keep their place relative to it.
TEST(DesignGeometry, PlacesInPixelsAndScalesEachFitFromTheDesign)
{
    QWidget container;
    DesignGeometry geometry(9480, 6390);
    EXPECT_EQ(geometry.designClientPixels(), QSize(632, 426));
    auto *call = new QWidget(&container);
    auto *frame = new QGroupBox(&container);
    auto *option = new QWidget(frame);
    geometry.place(call, {240, 360, 975, 285});
    geometry.place(frame, {240, 5440, 2895, 855});
    geometry.place(option, {240, 240, 2535, 255});
    EXPECT_EQ(call->geometry(), QRect(16, 24, 65, 19));
    // An odd size first: a later fit must not start from its rounding.
    geometry.fitTo(&container, QSize(333, 211));
    geometry.fitTo(&container, QSize(1280, 752));
    // 1280 / 632 and 752 / 426, each rounded half away from zero.
    EXPECT_EQ(call->geometry(), QRect(32, 42, 132, 34));
    EXPECT_EQ(option->geometry(), QRect(32, 28, 342, 30)); // 16, 16, 169, 17 scaled
}

// The builder names every row's control, gives it its tooltip and places it at its design
// rectangle; Tab follows the table's stops, whatever order the window made the controls in.
TEST(ControlBuilder, NamesPlacesAndChainsTheTabStopsInTableOrder)
{
    QWidget window;
    auto *madeEarly = new QLineEdit(&window);
    DesignGeometry geometry(9480, 6390);
    ControlBuilder builder(geometry);
    builder.build(
        std::vector<ControlRow>{
            {u"Command1"_s, u"&Add"_s, {120, 5400, 735, 975}, u"Adds."_s, TabStop::Yes},
            {u"Label1"_s, u"Name"_s, {240, 120, 975, 255}, {}, TabStop::No},
            {u"Text1"_s, {}, {240, 360, 975, 285}, u"First"_s, TabStop::Yes},
            {u"Text2"_s, {}, {1320, 360, 1215, 285}, {}, TabStop::Yes}},
        [&](const ControlRow &row) {
            QLineEdit *made = row.id == u"Text1"_s ? madeEarly : new QLineEdit(&window);
            made->setFocusPolicy(row.tab == TabStop::No ? Qt::NoFocus : Qt::StrongFocus);
            return made;
        });
    builder.setTabOrder();
    QStringList built, stops;
    for (const QWidget *control : geometry.controls())
        built << control->objectName() + u' ' + control->toolTip();
    for (const QWidget *control : builder.tabOrder())
        stops << control->objectName();
    EXPECT_EQ(built.join(u'|') + u" / "_s + stops.join(u' '),
              u"Command1 Adds.|Label1 |Text1 First|Text2  / Command1 Text1 Text2"_s);
    EXPECT_EQ(madeEarly->geometry(), QRect(16, 24, 65, 19));
    QStringList tabs;
    for (const QWidget *at = window.findChild<QWidget *>(u"Command1"_s); tabs.size() < 3;) {
        at = at->nextInFocusChain();
        if (at->focusPolicy() & Qt::TabFocus)
            tabs << at->objectName();
    }
    EXPECT_EQ(tabs.join(u' '), u"Text1 Text2 Command1"_s);
}

// A 640 x 480 screen is the design: nothing changes. A wide screen stretches each direction
// by its own ratio, and the fonts follow the smaller one so that letters still fit the
// heights, which follow the height ratio. The window stands in the middle of the screen.
TEST(ScreenScale, EachDirectionByItsRatioAndFontsByTheSmaller)
{
    const struct {
        QSize screen;
        float x, y, font;
        QRect window; // a 523 x 324 pixel window
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
