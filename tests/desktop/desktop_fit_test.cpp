// Runs the real main window on a real X display under a window manager (see
// run_on_xvfb.sh): what only a desktop shows, the frame and title bar that the
// window manager adds around the client area.
#include "app/roll_save_context.h"
#include "main_window/main_window.h"
#include "qt_platform/qt_platform.h"
#include "roll/roll_session.h"

#include "temp_roll.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// The sample club in a start directory of its own, its main window framed by the window
// manager.
TEST(DesktopFit, TheWholeFrameFillsTheWorkAreaAndEveryControlIsInside)
{
    testing::TempRoll files;
    QFile sample(QStringLiteral(TESSALY_SAMPLE_ROLL));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    files.write(ClubDataFile::kFileName, sample.readAll());
    QtPlatform qt;
    RollSession roll(files.dir(), rollSaveContext(qt.platform()));
    MainWindow window(roll, roll.load(), qt.platform());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window manager frames the window a moment after it is mapped.
    QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry() != window.geometry(), 5000);
    QTest::qWait(300);

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.topLeft(), area.topLeft());
    EXPECT_TRUE(area.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " "
                                      << frame.width() << "x" << frame.height();
    // Only the frame's own borders stand between it and the work area's edges.
    EXPECT_LE(area.width() - frame.width(), 2);
    EXPECT_LE(area.height() - frame.height(), 2);

    const QWidget *client = window.centralWidget();
    int lowest = 0;
    for (const QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // The navy panel behind the export buttons is designed 70 twips taller than the
        // window; the window's edge clips it, as it always has.
        if (control->objectName() == u"ExportPanel")
            continue;
        EXPECT_TRUE(client->rect().contains(control->geometry()))
            << control->objectName().toStdString();
        lowest = std::max(lowest, control->geometry().bottom());
    }
    // The tall buttons reach down to the foot of the client area, and no further.
    EXPECT_GT(lowest, client->height() * 9 / 10);
    EXPECT_LT(client->mapTo(&window, QPoint(0, lowest)).y(), window.height());
}

} // namespace
} // namespace tessaly

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
