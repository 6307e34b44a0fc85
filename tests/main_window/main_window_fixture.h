#pragma once

#include "main_window/main_window.h"
#include "roll/roll_session.h"

#include "fake_platform.h"
#include "file_records.h"
#include "temp_roll.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace tessaly::testing {

using namespace Qt::Literals::StringLiterals;

// Three members as the program writes them, in sorted order.
inline const QByteArray adamsRecord =
    fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St", "Media", "PA", "19063", "610-555-0101",
                "golf", "ja@example.org", "12/31/2026", "1/5/1999", "General", "7/4/2030", "Y", "Y",
                "N", "2/29/1960"});
inline const QByteArray bakerRecord =
    fileRecord({"", "Mary", "", "Baker", "5 Elm St\r\nApt 2", "Chester", "PA", "19013", "", "", "",
                "", "", "", "", "N", "y", "Y", ""});
inline const QByteArray carterRecord =
    fileRecord({"N3XYZ", "Carl", "", "Carter", "9 Pine Rd", "Media", "PA", "19063", "", "", "", "",
                "", "Extra", "", "N", "N", "N", ""});
inline const QByteArray threeMembers = adamsRecord + bakerRecord + carterRecord;

// The text a box shows, one line or several.
inline QString textOf(const QWidget *box)
{
    return box->property(qobject_cast<const QPlainTextEdit *>(box) ? "plainText" : "text")
        .toString();
}

// A main window on a fresh start directory and a fake desktop.
class MainWindowTest : public ::testing::Test {
  protected:
    // Writes AddrClub.dat (none at all for nullopt), opens the window and shows it if asked.
    void open(const std::optional<QByteArray> &roll = threeMembers, bool shown = true)
    {
        if (roll)
            files.write(ClubDataFile::kFileName, *roll);
        session = std::make_unique<RollSession>(files.dir());
        window = std::make_unique<MainWindow>(*session, desktop.platform());
        if (!shown)
            return;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }

    template <typename T = QWidget> T *control(const char *id) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    QLineEdit *line(const char *id) const { return control<QLineEdit>(id); }

    // Moves the focus as the Tab key would, so that enter and leave rules run.
    void focus(QWidget *widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
    }
    void pressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void click(const char *buttonId) { QTest::mouseClick(control(buttonId), Qt::LeftButton); }

    // Clicks list row (counted from 1), as the operator picks a member.
    void clickRow(int row)
    {
        QListView *list = control<QListView>("List1");
        const QModelIndex index = list->model()->index(row - 1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // Empties the box, moves the focus there and types text.
    void typeInto(const char *boxId, const QString &text)
    {
        QWidget *box = control(boxId);
        box->setProperty(qobject_cast<QPlainTextEdit *>(box) ? "plainText" : "text", QString());
        focus(box);
        QTest::keyClicks(box, text);
    }

    QStringList listLines() const
    {
        QAbstractItemModel *model = control<QListView>("List1")->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }

    QByteArray fileBytes() const { return files.read(ClubDataFile::kFileName); }

    // The entry area in one string: the boxes in file order joined by '|', check boxes as
    // Y or N, and the Quick Copy block last.
    QString form() const
    {
        QStringList values;
        for (const char *id : {"Text12", "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",
                               "Text7",  "Text9",  "Text8",  "Text13", "Text14", "Text15", "Text16",
                               "Text17", "Check1", "Check2", "Check3", "Text18", "Text10"}) {
            const auto *check = qobject_cast<const QCheckBox *>(control(id));
            values << (check ? (check->isChecked() ? u"Y"_s : u"N"_s) : textOf(control(id)));
        }
        return values.join(u'|');
    }

    // The entry area as a completed command leaves it.
    void expectEmptyFormInAddMode() const
    {
        EXPECT_EQ(form(), u"|||||||||||||||N|N|N||"_s);
        EXPECT_EQ(window->entryMode(), EntryMode::Add);
        EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Add"_s);
    }

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
    std::unique_ptr<MainWindow> window;
};

} // namespace tessaly::testing
