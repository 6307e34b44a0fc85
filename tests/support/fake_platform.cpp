#include "fake_platform.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessaly::testing {

namespace {

void standInFrontOfTheActiveWindow()
{
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

} // namespace

void FakeMessageBoxes::inform(const QString &text, const QString &title)
{
    shown.push_back({text, title, false});
    standInFrontOfTheActiveWindow();
}

Answer FakeMessageBoxes::ask(const QString &text, const QString &title)
{
    shown.push_back({text, title, true});
    standInFrontOfTheActiveWindow();
    if (answers.empty())
        return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

int FakeMessageBoxes::choose(const QString &text, const QString &title, const QStringList &buttons,
                             int defaultButton)
{
    shown.push_back({text, title, true});
    choices.push_back({buttons, defaultButton});
    standInFrontOfTheActiveWindow();
    if (chosen.empty())
        return defaultButton;
    const int button = chosen.front();
    chosen.pop_front();
    return button;
}

bool FakeClipboard::clear()
{
    if (failing)
        return false;
    text.clear();
    return true;
}

bool FakeClipboard::setText(const QString &newText)
{
    if (failing)
        return false;
    text = newText;
    return true;
}

QString FakeFileChooser::chooseFileToOpen(const QString &title, const QString &directory,
                                          const QString &)
{
    titles << title;
    directories << directory;
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeFileChooser::chooseFileToSave(const QString &title, const QString &suggested,
                                          const QString &filter)
{
    return chooseFileToOpen(title, suggested, filter);
}

FakePlatform::FakePlatform()
    : platform_{messages, clipboard, clock, desktop, printer, files}
{
}

} // namespace tessaly::testing
