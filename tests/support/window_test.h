#pragma once

#include "app/roll_save_context.h"
#include "roll/roll_session.h"

#include "fake_platform.h"
#include "file_records.h"
#include "temp_roll.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace tessaly::testing {

using namespace Qt::Literals::StringLiterals;

// Runs act once on the modal window the next command opens, as soon as it is up: not a message
// box the command shows on its way, and when a name is given, only the window of that object
// name. Nothing runs once the watch is gone, so a window that never came up cannot reach the
// caller's locals later.
class ModalWatch {
  public:
    explicit ModalWatch(std::function<void(QWidget *)> act, const QString &name = {})
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, act = std::move(act), name] {
            QWidget *up = QApplication::activeModalWidget();
            if (up == nullptr || up->objectName() == fakeMessageBoxName() ||
                (!name.isEmpty() && up->objectName() != name))
                return;
            poll_.stop();
            seen_ = true;
            act(up);
        });
        poll_.start(10);
    }
    bool seen() const { return seen_; }

  private:
    QTimer poll_;
    bool seen_ = false;
};

// One column of a list or report, top to bottom.
inline QStringList columnOf(const QAbstractItemModel *model, int column = 0)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

// A printer list and its copies as shown: "entries/selected/copies", "-" when disabled.
inline QString offeredPrinters(const QComboBox *list, const QSpinBox *copies)
{
    return columnOf(list->model()).join(u'|') + u'/' + list->currentText() + u'/' +
           copies->text() + (list->isEnabled() ? u""_s : u"-"_s);
}

// A window of type W over the roll of a fresh start directory, on a fake desktop.
template <typename W> class WindowTest : public ::testing::Test {
  protected:
    // Writes AddrClub.dat (none at all for nullopt) and opens a session on it, made as the
    // program makes it.
    void startSession(const std::optional<QByteArray> &roll)
    {
        if (roll)
            files.write(u"AddrClub.dat"_s, *roll);
        session = std::make_unique<RollSession>(files.dir(), rollSaveContext(desktop.platform()));
    }
    // Shows the window and waits until it has the keyboard, as the operator finds it.
    void showActive()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T *control(const char *id) const
    {
        T *found = window->template findChild<T *>(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    QLineEdit *line(const char *id) const { return control<QLineEdit>(id); }
    void click(const char *buttonId)
    {
        QTest::mouseClick(control(buttonId), Qt::LeftButton);
        settle();
    }
    // Lets the activation come back from a message box that has closed, as a window manager
    // gives it back, so that the focus has arrived where the program put it.
    void settle()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] {
            const QWidget *active = QApplication::activeWindow();
            return !window || !window->isVisible() || (active && active->isVisible());
        })) << "no window became active again";
    }
    QByteArray roll() const { return files.read(u"AddrClub.dat"_s); }

    // That count (one or more) message boxes came up so far, the last with this title (and text).
    void expectMessage(std::size_t count, const QString &title, const QString &text = {}) const
    {
        ASSERT_EQ(desktop.messages.shown.size(), count);
        EXPECT_EQ(desktop.messages.shown.back().title, title);
        if (!text.isNull()) {
            EXPECT_EQ(desktop.messages.shown.back().text, text);
        }
    }

    TempRoll files;
    FakePlatform desktop;
    std::unique_ptr<RollSession> session;
    std::unique_ptr<W> window;
};

} // namespace tessaly::testing
