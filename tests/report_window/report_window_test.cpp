#include "report_window/report_window.h"

#include "linux_facilities.h"
#include "window_test.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

namespace tessaly::testing {
namespace {

// call, first, middle, last, address, city, state, zip, phone, other, email, club expires,
// joined, class, license expires, ARRL, voting, dues, birth
const QByteArray kOlder =
    fileRecord({"K3AA", "Ann", "", "Older", "1 Elm\r\n", "Media", "PA", "19063", "",
                "golf\r\nchess", "", "12/5/2026", "12/1/1999", "General", "", "Y", "Y", "Y", ""});
const QByteArray kNewer =
    fileRecord({"W3BB", "bob", "", "Newer", "2 Oak", "Aston", "PA", "19014", "", "", "",
                "12/6/2026", "1/15/2004", "Extra", "1/1/2020", "Y", "N", "Y", ""});
const QByteArray kUndated = fileRecord(
    {"", "Cy", "", "Undated", "", "", "", "", "", "", "", "", "", "", "bad", "N", "N", "Y", ""});

class ReportWindowTest : public WindowTest<ReportWindow> {
  protected:
    void open(const QByteArray &roll = kOlder + kNewer + kUndated)
    {
        startSession(roll);
        ASSERT_TRUE(session->load().outcome.ok());
        window = std::make_unique<ReportWindow>(*session, desktop.platform());
        showActive();
    }
    QTreeView *report() const { return control<QTreeView>("ListView1"); }
    QHeaderView *titles() const { return report()->header(); }
    // The middle of a title: its edges are the handles that resize the columns.
    QPoint titleMiddle(int column) const
    {
        return {titles()->sectionViewportPosition(column) + titles()->sectionSize(column) / 2,
                titles()->height() / 2};
    }
    void clickTitle(int column)
    {
        report()->scrollTo(report()->model()->index(0, column));
        QTest::mouseClick(titles()->viewport(), Qt::LeftButton, {}, titleMiddle(column));
    }
    QStringList column(int c) const { return columnOf(report()->model(), c); }
    QStringList lastNames() const { return column(3); }
    // Total, ARRL and voting members, and the ARRL share, as the figures show them.
    QStringList figures() const
    {
        QStringList texts;
        for (const char *id : {"Label3", "Label5", "Label9", "Label6"})
            texts << control<QLabel>(id)->text();
        return texts;
    }
    void query(const QString &date)
    {
        line("Text1")->setText(date);
        click("Command1");
    }
};

// The whole frame takes the work area (the offscreen desktop draws one too), and every control
// stays inside the smaller client area, the third option inside its group box.
TEST_F(ReportWindowTest, TheFrameFillsTheWorkAreaWithEveryControlInside)
{
    desktop.desktop.area = QRect(40, 24, 1236, 840); // a panel above and one at the left
    open(kOlder);
    EXPECT_EQ(window->frameGeometry(), desktop.desktop.area);
    EXPECT_LT(window->width(), 1236);
    for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(window->rect().contains(child->geometry())) << qPrintable(child->objectName());
    EXPECT_TRUE(control("Frame1")->rect().contains(control("Option4")->geometry()));
}

// Every member with the figures of the roll; the address's trailing CR LF shows as ", ". Tab
// visits the controls in order and their texts reach them. An empty roll's copy, by Enter on its
// button, is an empty text.
TEST_F(ReportWindowTest, ListsEveryMemberWithTheFiguresOfTheRoll)
{
    open();
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s, u"Newer"_s, u"Undated"_s}));
    EXPECT_EQ(column(4).first(), u"1 Elm, "_s);
    // Call's 900 twips grow to 900 * (1280 / 640)^1.2 = 2068 twips on the 1280-pixel screen.
    EXPECT_EQ(report()->columnWidth(0), 138);
    EXPECT_EQ(figures(), (QStringList{u"3  "_s, u"2  "_s, u"1  "_s, u"67%"_s}));
    EXPECT_EQ(window->windowTitle() + u' ' + window->objectName(), u"Database Functions Form3"_s);
    control("Command2")->setFocus(Qt::TabFocusReason);
    for (const char *id : {"Command2", "ListView1", "Option2", "Text1", "Command1", "Command4",
                           "Command3", "Command5"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(id));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(line("Text1")->text(), u"12/6/2026"_s);
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(control<QPushButton>("Command3")->text(), u"&Reset All Dues Paid"_s);
    EXPECT_EQ(control("Command3")->toolTip(), u"Reset dues paid value to NO for All members."_s);
    window.reset();
    open(QByteArray());
    desktop.clipboard.text = u"before"_s;
    control("Command4")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control("Command4"), Qt::Key_Return); // Enter presses it, as Space does
    settle();
    EXPECT_EQ(desktop.clipboard.text, QString());
    EXPECT_TRUE(control("Command1")->hasFocus());
}

// A bad date keeps the lines and gives the focus back to the query box with its whole text
// selected, also when the box kept the focus while the message was up.
TEST_F(ReportWindowTest, TheQueryListsWhoExpiresBeforeTheDateAndKeepsTheLinesOnABadDate)
{
    open();
    query(u"12/6/2026"_s); // Older expires a day earlier; Newer on that day
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s}));
    control<QRadioButton>("Option3")->click();
    query(u"6/1/2030"_s); // license dates only: Older has none, Undated a bad one
    EXPECT_EQ(lastNames(), (QStringList{u"Newer"_s}));

    query(u"13/45/2026"_s);
    EXPECT_EQ(lastNames(), (QStringList{u"Newer"_s}));
    expectMessage(1, u"Valid Date Required."_s, u"Please enter a valid date."_s);
    EXPECT_TRUE(line("Text1")->hasFocus());
    EXPECT_EQ(line("Text1")->selectedText(), u"13/45/2026"_s);
    line("Text1")->deselect();
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier); // clicks after a moment
    ASSERT_TRUE(QTest::qWaitFor([this] { return desktop.messages.shown.size() == 2; }));
    settle();
    EXPECT_EQ(line("Text1")->selectedText(), u"13/45/2026"_s);

    click("Command2");
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s, u"Newer"_s, u"Undated"_s}));
    EXPECT_TRUE(control("Command1")->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A title click sorts ascending every time and the current line stays on its member; a title
// dragged onto another stays where it is; the copy follows the lines shown.
TEST_F(ReportWindowTest, ATitleClickSortsAscendingEveryTimeAndTheCopyFollowsTheLines)
{
    open();
    clickTitle(10); // Joined, as text: empty first, "1/15/2004" before "12/1/1999"
    clickTitle(10);
    EXPECT_EQ(column(10), (QStringList{QString(), u"1/15/2004"_s, u"12/1/1999"_s}));
    report()->scrollTo(report()->model()->index(0, 0)); // the sorting clicks scrolled it away
    const QPoint from = titleMiddle(2), to = titleMiddle(0);
    QTest::mousePress(titles()->viewport(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(titles()->viewport(), from + (to - from) * step / 10);
    QTest::mouseRelease(titles()->viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(titles()->visualIndex(2), 2);

    report()->setCurrentIndex(report()->model()->index(2, 0)); // Older
    clickTitle(3);
    EXPECT_EQ(report()->currentIndex().siblingAtColumn(3).data().toString(), u"Older"_s);
    click("Command4");
    QStringList calls;
    for (const QString &copied : desktop.clipboard.text.split(u"\r\n"_s))
        calls << copied.section(u'\t', 0, 0);
    EXPECT_EQ(calls, (QStringList{u"W3BB"_s, u"K3AA"_s, QString(), QString()}));
    desktop.clipboard.failing = true;
    click("Command4");
    expectMessage(1, u"Clipboard Not Available"_s);
}

TEST_F(ReportWindowTest, TheQueryBoxSelectsItsWholeTextWhicheverWayItGetsTheFocus)
{
    open();
    QLineEdit *box = line("Text1");
    // A click, Shift+Tab, and the program's own setFocus.
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2)); },
        [&] { QTest::keyClick(control("Command1"), Qt::Key_Backtab); },
        [&] { box->setFocus(Qt::OtherFocusReason); }};
    for (const std::function<void()> &way : ways) {
        control("Command1")->setFocus(Qt::OtherFocusReason);
        box->deselect();
        way();
        ASSERT_TRUE(box->hasFocus()) << &way - ways;
        EXPECT_EQ(box->selectedText(), u"12/6/2026"_s) << &way - ways;
    }
}

// No leaves the file as it was; Yes sets every dues flag to N, saves, and lists everyone again
// even after a query that listed no one. A failed save keeps the old file and says so, while the
// roll in memory has the reset and shows it, so that the next reset writes it.
TEST_F(ReportWindowTest, TheDuesResetAsksThenSavesEveryFlagAsNo)
{
    const QByteArray members = kOlder + kNewer + kUndated;
    open(members);
    const QDateTime written = QFileInfo(files.path(u"AddrClub.dat"_s)).lastModified();
    QTest::qWait(20); // a rewrite would show in the time stamp
    desktop.messages.answerNext(Answer::No);
    click("Command3");
    expectMessage(1, u"Are you sure?"_s,
                  u"This action will set the dues value to NO for ALL members.  Do you wish to "
                  u"proceed?"_s);
    EXPECT_TRUE(desktop.messages.shown[0].question);
    EXPECT_EQ(QFileInfo(files.path(u"AddrClub.dat"_s)).lastModified(), written);
    EXPECT_EQ(column(16), QStringList(3, u"Y"_s));

    desktop.messages.answerNext(Answer::Yes);
    withFileSizeCap(members.size() / 2, [&] { click("Command3"); });
    EXPECT_EQ(roll(), members);
    expectMessage(3, u"Trouble saving data!"_s,
                  u"The member roll could not be saved to "_s + files.path(u"AddrClub.dat"_s) +
                      u" because of this problem: File too large.\n\nYour change is kept in "
                      u"memory while Tessaly runs. The file on disk still holds the roll as it "
                      u"was before this change."_s);
    EXPECT_EQ(column(16), QStringList(3, u"N"_s));

    query(u"1/1/2020"_s);
    EXPECT_TRUE(lastNames().isEmpty());
    desktop.messages.answerNext(Answer::Yes);
    click("Command3");
    EXPECT_EQ(roll(), QByteArray(members).replace("\"Y\",\"\"\r\n", "\"N\",\"\"\r\n"));
    EXPECT_EQ(column(16), QStringList(3, u"N"_s));
    EXPECT_TRUE(control("Command1")->hasFocus());
    EXPECT_EQ(desktop.messages.shown.size(), 4u); // the question, and no message after it
}

} // namespace
} // namespace tessaly::testing
