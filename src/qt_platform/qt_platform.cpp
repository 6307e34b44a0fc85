#include "qt_platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace tessaly {

namespace {

QMessageBox::StandardButton showBox(const QString &text, const QString &title,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
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
