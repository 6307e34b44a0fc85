#include "platform/qt_platform.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

TEST(QtPlatform, ClipboardTakesTextAndIsEmptiedByClear)
{
    QtPlatform qt;
    ASSERT_TRUE(qt.platform().clipboard.setText(u"ARS - K3ABC\r\nJohn Adams"_s));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"ARS - K3ABC\r\nJohn Adams"_s);
    ASSERT_TRUE(qt.platform().clipboard.clear());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

} // namespace tessaly
