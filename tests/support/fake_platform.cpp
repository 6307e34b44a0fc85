#include "fake_platform.h"

namespace tessaly::testing {

void FakeMessageBoxes::inform(const QString &text, const QString &title)
{
    shown.push_back({text, title, false});
}

Answer FakeMessageBoxes::ask(const QString &text, const QString &title)
{
    shown.push_back({text, title, true});
    if (answers.empty())
        return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
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

FakePlatform::FakePlatform()
    : platform_{messages, clipboard, clock, desktop, printer, files}
{
}

} // namespace tessaly::testing
