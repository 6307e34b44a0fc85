#pragma once

#include "platform/platform.h"

#include <QString>

namespace tessaly {

// A desktop that answers at once, so that no box waits for a person.
class QuietDesktop final : public MessageBoxes, public Clipboard, public Clock, public Desktop {
  public:
    void inform(const QString &, const QString &) override { ++messages; }
    Answer ask(const QString &, const QString &) override { return answer; }
    void beep() override {}
    bool clear() override { return true; }
    bool setText(const QString &text) override
    {
        clipboard = text;
        return true;
    }
    QDate today() const override { return QDate(2026, 12, 6); }
    QRect workArea() const override { return QRect(0, 0, 1280, 770); }
    QSize screenSize() const override { return QSize(1280, 800); }

    Platform platform{*this, *this, *this, *this};
    QString clipboard;
    int messages = 0;
    Answer answer = Answer::No;
};

// Writes a roll of `members` generated members as AddrClub.dat in directory.
void writeRoll(const QString &directory, int members);

} // namespace tessaly
