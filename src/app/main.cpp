#include "core/club_data_file.h"
#include "core/member_store.h"
#include "main_window/main_window.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));

    // The roll lives in the folder the program was started from, whatever the
    // current directory becomes later.
    const QString startDirectory = QDir::current().absolutePath();

    tessaly::QtPlatform platform;
    tessaly::MemberStore store;
    tessaly::ClubDataFile dataFile(startDirectory);
    tessaly::MainWindow window(store, dataFile, platform.platform());
    window.show();
    return app.exec();
}
