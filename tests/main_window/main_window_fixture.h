#pragma once

#include "main_window/main_window.h"

#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly::testing {

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

class MainWindowTest : public WindowTest<MainWindow> {
  protected:
    // Opens the window on this AddrClub.dat (none at all for nullopt), shown if asked; a window
    // opened before is closed first, with its session, and its messages forgotten.
    void open(const std::optional<QByteArray> &roll = threeMembers, bool shown = true)
    {
        window.reset();
        session.reset();
        desktop.messages.shown.clear();
        startSession(roll);
        window = std::make_unique<MainWindow>(*session, session->load(), desktop.platform());
        if (shown)
            showActive();
    }

    // Moves the focus as the Tab key would, so that enter and leave rules run.
    void focus(QWidget *widget)
    {
        settle();
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
    }
    void pressTab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }

    // Clicks list row (counted from 1), as the operator picks a member, and lets the question
    // about typing not yet stored come up.
    void clickRow(int row)
    {
        QListView *list = control<QListView>("List1");
        const QModelIndex index = list->model()->index(row - 1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        QCoreApplication::processEvents();
    }

    // Empties the box, moves the focus there and types text.
    void typeInto(const char *boxId, const QString &text)
    {
        QWidget *box = control(boxId);
        box->setProperty(qobject_cast<QPlainTextEdit *>(box) ? "plainText" : "text", QString());
        focus(box);
        QTest::keyClicks(box, text);
    }

    // Types a last name and presses Enter, which adds the member (or records the one shown).
    void enterLastName(const QString &last)
    {
        typeInto("Text3", last);
        QTest::keyClick(line("Text3"), Qt::Key_Return);
        settle();
    }
    void trigger(const QString &action) { window->findChild<QAction *>(action)->trigger(); }

    QStringList listLines() const { return columnOf(control<QListView>("List1")->model()); }
    QString listSummary() const { return control<QLabel>("List1Label")->text(); }

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
        EXPECT_EQ(std::tuple(form(), window->entryMode(), control<QPushButton>("Command1")->text()),
                  std::tuple(u"|||||||||||||||N|N|N||"_s, EntryMode::Add, u"&Add"_s));
    }
};

} // namespace tessaly::testing
