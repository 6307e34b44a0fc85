#pragma once

#include "platform/platform.h"

#include <QString>

namespace tessaly {

// A printer that takes everything and prints nothing.
class QuietPrinter final : public Printer {
  public:
    std::optional<QStringList> fontFamilies() override { return QStringList{family}; }
    std::optional<QString> currentFont() override { return family; }
    bool setFont(const QString &, double) override { return true; }
    bool setCurrentX(double) override { return true; }
    bool setCurrentY(double) override { return true; }
    bool printLine(const QString &) override { return true; }
    bool newPage() override { return true; }
    bool endDocument() override { return true; }
    void abort() override {}
    QString lastFile() const override { return {}; }

    QString family = QStringLiteral("Arial");
};

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

    QuietPrinter printer;
    Platform platform{*this, *this, *this, *this, printer};
    QString clipboard;
    int messages = 0;
    Answer answer = Answer::No;
};

// Writes a roll of `members` generated members as AddrClub.dat in directory.
void writeRoll(const QString &directory, int members);

} // namespace tessaly
