#pragma once

#include "app/roll_save_context.h"
#include "platform/platform.h"
#include "roll/roll_session.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <type_traits>

#include <QString>

namespace tessaly {

// A printer that takes everything and prints nothing.
class QuietPrinter final : public Printer {
  public:
    std::optional<QStringList> fontFamilies() override { return QStringList{family}; }
    std::optional<QString> currentFont() override { return family; }
    void rememberFont(const QString &) override {}
    QPageSize defaultPaper() override { return QPageSize(QPageSize::Letter); }
    PageArea pageArea(const QPageSize &paper) override
    {
        const QSizeF size = paper.size(QPageSize::Point);
        return {size, QRectF(QPointF(0, 0), size)};
    }
    PrintResult print(const PrintDocument &) override { return {PrintResult::Fate::Printed, {}, {}}; }
    InstalledPrinters installedPrinters() override { return {}; }

    QString family = QStringLiteral("Arial");
};

// A desktop that answers at once, so that no box waits for a person.
class QuietDesktop final : public MessageBoxes, public Clipboard, public Clock, public Desktop,
                           public FileChooser {
  public:
    void inform(const QString &, const QString &) override { ++messages; }
    Answer ask(const QString &, const QString &) override { return answer; }
    int choose(const QString &, const QString &, const QStringList &, int,
               int escapeButton) override
    {
        return escapeButton;
    }
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
    QString chooseFileToOpen(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString chooseFileToSave(const QString &, const QString &, const QString &) override
    {
        return {};
    }

    QuietPrinter printer;
    Platform platform{*this, *this, *this, *this, printer, *this};
    QString clipboard;
    int messages = 0;
    Answer answer = Answer::No;
};

// Writes a roll of `members` generated members as AddrClub.dat in directory.
void writeRoll(const QString &directory, int members);

// A real window over the loaded roll of `members` in a temporary start directory, the
// session made as the program makes it, shown offscreen so that every change is laid out
// and painted as on a desktop.
template <typename Window> struct UnderLoad {
    explicit UnderLoad(int members)
    {
        writeRoll(dir.path(), members);
        roll = std::make_unique<RollSession>(dir.path(), rollSaveContext(desktop.platform));
        const LoadResult loaded = roll->load();
        // The main window is told what the load found; the others only see the roll.
        if constexpr (std::is_constructible_v<Window, RollSession &, const LoadResult &,
                                              Platform &>)
            window = std::make_unique<Window>(*roll, loaded, desktop.platform);
        else
            window = std::make_unique<Window>(*roll, desktop.platform);
        window->show();
        QApplication::processEvents();
    }

    template <typename T> T *control(const char *id)
    {
        return window->template findChild<T *>(QString::fromLatin1(id));
    }

    void click(const char *id)
    {
        control<QPushButton>(id)->click();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    QuietDesktop desktop;
    std::unique_ptr<RollSession> roll;
    std::unique_ptr<Window> window;
};

} // namespace tessaly
