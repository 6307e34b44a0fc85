#include "app/app_icon.h"
#include "app/roll_save_context.h"
#include "core/file_system.h"
#include "core/version.h"
#include "main_window/main_window.h"
#include "qt_platform/qt_platform.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    tessaly::letWritesFailOverSizeLimits();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setWindowIcon(tessaly::applicationIcon());
    // Wayland desktops take a window's icon from the desktop entry it names, not from the window.
    QApplication::setDesktopFileName(QStringLiteral("org.tessaly.Tessaly"));

    // The roll lives in the folder the program was started from, whatever the
    // current directory becomes later.
    const QString startDirectory = tessaly::startDirectoryPath();
    tessaly::QtPlatform platform(startDirectory);
    // Never destroyed (see the end of main), and held here so that a leak checker still
    // reaches it.
    static tessaly::RollSession *const session =
        new tessaly::RollSession(startDirectory, tessaly::rollSaveContext(platform.platform()));
    tessaly::RollSession &roll = *session;
    // A folder Tessaly cannot write in opens its roll to be read; the session
    // refuses every change there and says why.
    if (roll.claimFolder() == tessaly::RollSession::FolderClaim::InUse) {
        platform.platform().messages.inform(tessaly::rollInUseMessage(roll.startDirectory()),
                                            tessaly::rollInUseTitle());
        return 1;
    }
    // Told before anything the roll holds: a roll another user could have put in place
    // of the operator's explains whatever else looks wrong with it.
    if (const QString exposed =
            tessaly::exposedFolderMessage(roll.startDirectory(), roll.exposure());
        !exposed.isEmpty())
        platform.platform().messages.inform(exposed, tessaly::exposedFolderTitle());
    // Read only once the folder is this run's, and whole before the window is built,
    // which lists it and tells what the reading found.
    const tessaly::LoadResult loaded = roll.load();
    tessaly::MainWindow window(roll, loaded, platform.platform());
    window.show();
    // For the start-up benchmark: the run ends as soon as the first showing has been
    // handled, so that the time from launch to a filled, shown window can be taken
    // from outside.
    if (qEnvironmentVariableIsSet("TESSALY_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int code = app.exec();
    // Every change was saved when it was made and the roll keeps no file open, so the roll
    // is left to the end of the process, which takes its memory back at once, instead of
    // being freed member by member; only its folder lock is let go, as its end would.
    roll.releaseFolder();
    return code;
}
