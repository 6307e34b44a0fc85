#include "qt_platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>
#include <vector>

namespace tessaly {

namespace {

// A box is only as wide as its text, and the window manager cuts a title wider than the box
// in its middle: "Valid Date Required." over "Please enter a valid date." showed as
// "Valid ... uired." under openbox. The box gets room for its whole title in the title bar's
// font and for the frame's buttons (window menu, iconify, maximize, close), each a square of
// the bar's height, with the bar's padding at either end.
void makeRoomForTitle(QMessageBox &box, const QString &title)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (grid == nullptr)
        return;
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int bar = metrics.height() + 8;
    const int width = metrics.horizontalAdvance(title) + 4 * bar + 2 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton showBox(const QString &text, const QString &title,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    makeRoomForTitle(box, title);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageBoxes::inform(const QString &text, const QString &title)
{
    showBox(text, title, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtMessageBoxes::ask(const QString &text, const QString &title)
{
    return showBox(text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
                   QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

int QtMessageBoxes::choose(const QString &text, const QString &title, const QStringList &buttons,
                           int defaultButton, int escapeButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    makeRoomForTitle(box, title);
    std::vector<QAbstractButton *> pushed;
    for (const QString &caption : buttons)
        pushed.push_back(box.addButton(caption, QMessageBox::ActionRole));
    const auto has = [&pushed](int index) { return index >= 0 && index < int(pushed.size()); };
    if (has(defaultButton))
        box.setDefaultButton(
            qobject_cast<QPushButton *>(pushed[static_cast<std::size_t>(defaultButton)]));
    if (has(escapeButton))
        box.setEscapeButton(pushed[static_cast<std::size_t>(escapeButton)]);
    box.exec();
    const auto clicked = std::find(pushed.begin(), pushed.end(), box.clickedButton());
    if (clicked == pushed.end())
        return has(escapeButton) ? escapeButton : -1;
    return static_cast<int>(clicked - pushed.begin());
}

void QtMessageBoxes::beep()
{
    QApplication::beep();
}

bool QtClipboard::clear()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->clear();
    return true;
}

bool QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(text);
    return clipboard->text() == text;
}

QDate QtClock::today() const
{
    return QDate::currentDate();
}

QString QtFileChooser::chooseFileToOpen(const QString &title, const QString &directory,
                                        const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter);
}

QString QtFileChooser::chooseFileToSave(const QString &title, const QString &suggested,
                                        const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
}

QRect QtDesktop::workArea() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QSize QtDesktop::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(800, 600);
}

QtPlatform::QtPlatform(const QString &startDirectory)
    : printer_(startDirectory.isEmpty() ? QDir::currentPath() : startDirectory),
      platform_{messages_, clipboard_, clock_, desktop_, printer_, files_}
{
}

} // namespace tessaly
