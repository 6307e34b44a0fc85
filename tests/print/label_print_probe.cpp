// Prints the labels of the roll in a folder as "&Print" in the label window does, on the
// system's default printer or on the one named second, through the real print path, and says
// on standard output what the operator was told, a line a message: "title|text".
#include "label_window/label_window.h"
#include "qt_platform/qt_printer.h"
#include "roll/roll_session.h"

#include "fake_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <numeric>

using namespace tessaly;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: label_print_probe FOLDER [PRINTER]\n");
        return 2;
    }
    RollSession session(args.at(1));
    if (!session.load().outcome.ok()) {
        std::fprintf(stderr, "the roll in %s could not be read\n", argv[1]);
        return 2;
    }
    testing::FakePlatform desktop;
    QtPrinter printer(args.at(1));
    Platform platform{desktop.messages, desktop.clipboard, desktop.clock,
                      desktop.desktop,  printer,           desktop.files};
    std::vector<int> listed(static_cast<std::size_t>(session.store().count()));
    std::iota(listed.begin(), listed.end(), 1);
    LabelWindow window(session, listed, platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    desktop.messages.shown.clear(); // what the opening said is not the print's
    if (args.size() == 3) // a name the list lacks leaves the default: nothing reaches the queue
        window.findChild<QComboBox *>(QStringLiteral("Combo2"))->setCurrentText(args.at(2));
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    for (const testing::ShownMessage &shown : desktop.messages.shown)
        std::printf("%s|%s\n", qUtf8Printable(shown.title),
                    qUtf8Printable(QString(shown.text).replace(u'\n', u' ')));
    std::printf("beeps %d\n", desktop.messages.beeps);
    return 0;
}
