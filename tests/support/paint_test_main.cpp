#include <QGuiApplication>

#include <gtest/gtest.h>

// Suites that paint text without windows: fonts need a QGuiApplication, offscreen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
