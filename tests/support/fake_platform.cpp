#include "fake_platform.h"

namespace tessaly::testing {

void FakeMessageBoxes::inform(const QString &text, const QString &title)
{
    shown.push_back({text, title, false});
    if (onShow)
        onShow(shown.back());
}

Answer FakeMessageBoxes::ask(const QString &text, const QString &title)
{
    shown.push_back({text, title, true});
    if (onShow)
        onShow(shown.back());
    if (answers.empty())
        return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeClipboard::clear()
{
    ++clears;
    if (failing)
        return false;
    text.clear();
    return true;
}

bool FakeClipboard::setText(const QString &newText)
{
    ++sets;
    if (failing)
        return false;
    text = newText;
    return true;
}

FakePlatform::FakePlatform()
    : platform_{messages, clipboard, clock, desktop}
{
}

}  // namespace tessaly::testing
