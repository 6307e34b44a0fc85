#include "core/version.h"
#include "main_window/main_window.h"
#include "platform/qt_platform.h"
#include "roll/roll_session.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));

    // The roll lives in the folder the program was started from, whatever the
    // current directory becomes later.
    tessaly::RollSession roll(QDir::current().absolutePath());
    tessaly::QtPlatform platform(roll.startDirectory());
    tessaly::MainWindow window(roll, platform.platform());
    window.show();
    // For the start-up benchmark: the run ends as soon as the first showing has been
    // handled, so that the time from launch to a filled, shown window can be taken
    // from outside.
    if (qEnvironmentVariableIsSet("TESSALY_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
