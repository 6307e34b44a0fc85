#include "app/app_icon.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

// The window icon comes from the program itself, not from an installed theme, so a program
// started from its build folder carries it too.
TEST(AppIconTest, CarriesTheDrawnIconAtEachSize)
{
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {48, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        // The rounded corners are clear; the middle is the white card.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
        EXPECT_GT(qGray(image.pixel(size / 2, size / 2)), 200);
    }
}

} // namespace
} // namespace tessaly::testing
