#include "platform/qt_platform.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(QtPlatform, ClipboardTakesTextAndIsEmptiedByClear)
{
    QtPlatform qt;
    Clipboard &clipboard = qt.platform().clipboard;
    ASSERT_TRUE(clipboard.setText(u"ARS - K3ABC\r\nJohn Adams"_s));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"ARS - K3ABC\r\nJohn Adams"_s);
    ASSERT_TRUE(clipboard.clear());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(QtPlatform, DesktopReportsAWorkAreaWithinTheScreen)
{
    QtPlatform qt;
    const QRect area = qt.platform().desktop.workArea();
    const QSize screen = qt.platform().desktop.screenSize();
    EXPECT_FALSE(area.isEmpty());
    EXPECT_LE(area.width(), screen.width());
    EXPECT_LE(area.height(), screen.height());
}

} // namespace
} // namespace tessaly
