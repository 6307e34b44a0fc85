#pragma once

#include "fake_printer.h"
#include "platform/platform.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace tessaly::testing {

struct ShownMessage {
    QString text;
    QString title;
    bool question = false;
};

// The buttons of one choice put to the operator, as choose() was given them.
struct ShownChoice {
    QStringList buttons;
    int defaultButton = -1;
    int escapeButton = -1;
};

// The next answer of a script, or otherwise once the script has run out.
template <typename T> T nextAnswer(std::deque<T> &script, T otherwise)
{
    if (script.empty())
        return otherwise;
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

// The object name of the window that stands in for a message box while it is up.
inline QString fakeMessageBoxName() { return QStringLiteral("FakeMessageBox"); }

// Records every message box and answers questions from a script (No when the script has run
// out, so that a forgotten answer never deletes anything; a choice gets its escape button,
// the one that changes nothing). Like a real box, each one takes the activation from the
// window it stands over; the window gets it back only through the event loop, after the
// program has gone on, as a window manager gives it back: the GUI tests then see the focus
// arrive as a person does.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    void inform(const QString &text, const QString &title) override { show({text, title}); }
    Answer ask(const QString &text, const QString &title) override
    {
        show({text, title, true});
        return nextAnswer(answers, Answer::No);
    }
    // Recorded in shown as a question, and its buttons in choices.
    int choose(const QString &text, const QString &title, const QStringList &buttons,
               int defaultButton, int escapeButton) override
    {
        choices.push_back({buttons, defaultButton, escapeButton});
        show({text, title, true});
        return nextAnswer(chosen, escapeButton);
    }
    void beep() override { ++beeps; }

    void answerNext(Answer answer) { answers.push_back(answer); }
    void chooseNext(int button) { chosen.push_back(button); }

    std::vector<ShownMessage> shown;
    std::deque<Answer> answers;
    std::vector<ShownChoice> choices;
    std::deque<int> chosen;
    int beeps = 0;

  private:
    void show(const ShownMessage &message);
};

class FakeClipboard final : public Clipboard {
  public:
    bool clear() override { return setText({}); }
    bool setText(const QString &newText) override
    {
        if (!failing)
            text = newText;
        return !failing;
    }

    QString text;
    bool failing = false;
};

class FakeClock final : public Clock {
  public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 6};
};

class FakeDesktop final : public Desktop {
  public:
    QRect workArea() const override { return area; }
    QSize screenSize() const override { return screen; }
    QRect area{0, 0, 1280, 770};
    QSize screen{1280, 800};
};

// Answers each choice of a file from a script (cancelled when the script has run out)
// and records the titles and folders it was asked with.
class FakeFileChooser final : public FileChooser {
  public:
    QString chooseFileToOpen(const QString &title, const QString &directory,
                             const QString &) override
    {
        titles << title;
        directories << directory;
        return nextAnswer(answers, QString());
    }
    QString chooseFileToSave(const QString &title, const QString &suggested,
                             const QString &filter) override
    {
        return chooseFileToOpen(title, suggested, filter);
    }

    std::deque<QString> answers; // for both kinds of choice
    QStringList titles;
    QStringList directories; // or suggested paths
};

// One fake desktop for a test: pass platform() to the window under test.
class FakePlatform {
  public:
    Platform &platform() { return platform_; }

    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeClock clock;
    FakeDesktop desktop;
    FakePrinter printer;
    FakeFileChooser files;

  private:
    Platform platform_{messages, clipboard, clock, desktop, printer, files};
};

} // namespace tessaly::testing
