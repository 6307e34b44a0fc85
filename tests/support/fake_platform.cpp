#include "fake_platform.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessaly::testing {

void FakeMessageBoxes::show(const ShownMessage &message)
{
    shown.push_back(message);
    QPointer<QWidget> window = QApplication::activeWindow();
    if (window.isNull())
        return;
    {
        QDialog box(window);
        box.setObjectName(fakeMessageBoxName());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }))
            << "the message box never became the active window";
        box.hide();
    }
    QTimer::singleShot(0, window, [window] {
        if (window && window->isVisible())
            window->activateWindow();
    });
}

} // namespace tessaly::testing
