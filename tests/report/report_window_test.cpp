#include "report/report_window.h"

#include "window_test.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTreeView>

namespace tessaly::testing {
namespace {

// call, first, middle, last, address, city, state, zip, phone, other, email, club expires,
// joined, class, licence expires, ARRL, voting, dues, birth
const QByteArray kOlder =
    fileRecord({"K3AA", "Ann", "", "Older", "1 Elm\r\n", "Media", "PA", "19063", "",
                "golf\r\nchess", "", "12/5/2026", "12/1/1999", "General", "", "Y", "y", "Y", ""});
const QByteArray kNewer =
    fileRecord({"W3BB", "bob", "", "Newer", "2 Oak", "Aston", "PA", "19014", "", "", "",
                "12/6/2026", "1/15/2004", "Extra", "1/1/2020", "y", "Y", "Y", ""});
const QByteArray kUndated = fileRecord(
    {"", "Cy", "", "Undated", "", "", "", "", "", "", "", "", "", "", "bad", "N", "N", "N", ""});

class ReportWindowTest : public WindowTest<ReportWindow> {
  protected:
    void open(const QByteArray &roll = kOlder + kNewer + kUndated, bool shown = true)
    {
        startSession(roll);
        ASSERT_TRUE(session->load().outcome.ok());
        window = std::make_unique<ReportWindow>(*session, desktop.platform());
        if (shown)
            showActive();
    }
    // Alt with an access key, as the operator presses it. The button shows itself pressed for
    // a moment before it acts, as on every desktop.
    void pressAlt(Qt::Key key)
    {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        QTest::qWait(150);
    }
    void clickTitle(int column)
    {
        QTreeView *report = control<QTreeView>("ListView1");
        report->scrollTo(report->model()->index(0, column));
        QHeaderView *header = report->header();
        // The middle of the title: its edges are the handles that resize the columns.
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    QStringList column(int c) const
    {
        return columnOf(control<QTreeView>("ListView1")->model(), c);
    }
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

TEST_F(ReportWindowTest, TabVisitsTheControlsInOrderAndTheirTextsReachThem)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Database Functions"_s);
    EXPECT_EQ(window->objectName(), u"Form3"_s);
    control("Command2")->setFocus(Qt::TabFocusReason);
    for (const char *id :
         {"Command2", "ListView1", "Option2", "Text1", "Command1", "Command4", "Command3"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(id));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(line("Text1")->text(), u"12/6/2026"_s);
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(control<QPushButton>("Command3")->text(), u"&Reset All Dues Paid"_s);
    EXPECT_EQ(control("Command3")->toolTip(), u"Reset dues paid value to NO for All members."_s);
}

// The design is 9270 x 6480 twips, 618 x 432 pixels: a work area of twice that doubles every
// rectangle, and the option buttons keep their place inside the group box. On an 800-pixel screen
// "Call" is 1176 twips wide (78 pixels) and "Other" 5228 (349).
TEST_F(ReportWindowTest, FillsTheWorkAreaAndSizesTheColumnsByTheScreen)
{
    desktop.desktop.area = QRect(0, 0, 1236, 864);
    desktop.desktop.screen = QSize(800, 600);
    open(kOlder, false);
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1236, 864));
    // Scaled by the work area; the option keeps its place inside its group box.
    EXPECT_EQ(control("ListView1")->geometry(), QRect(16, 48, 1202, 658));
    EXPECT_EQ(control("Option2")->geometry(), QRect(32, 32, 338, 34));
    // The widest column, sized for the 800-pixel screen.
    EXPECT_EQ(control<QTreeView>("ListView1")->columnWidth(18), 349);

    // Shown, the window gets a frame (the offscreen desktop draws one too): the whole frame
    // then takes the work area, and every control stays inside the smaller client area.
    showActive();
    EXPECT_EQ(window->frameGeometry(), QRect(0, 0, 1236, 864));
    EXPECT_LT(window->width(), 1236);
    for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(window->rect().contains(child->geometry())) << qPrintable(child->objectName());
}

TEST_F(ReportWindowTest, ListsEveryMemberWithTheFiguresOfTheRoll)
{
    open();
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s, u"Newer"_s, u"Undated"_s}));
    // The address's trailing CR LF shows as ", ", the other data's line break as a blank.
    EXPECT_EQ(column(4).first(), u"1 Elm, "_s);
    EXPECT_EQ(column(18).first(), u"golf chess"_s);
    EXPECT_EQ(column(14), (QStringList{u"Y"_s, u"y"_s, u"N"_s}));
    // Only a capital Y counts.
    EXPECT_EQ(figures(), (QStringList{u"3  "_s, u"1  "_s, u"1  "_s, u"33%"_s}));

    // An empty roll shows zero figures, and its copy is an empty text.
    window.reset();
    open(QByteArray());
    EXPECT_TRUE(lastNames().isEmpty());
    EXPECT_EQ(figures(), (QStringList{u"0  "_s, u"0  "_s, u"0  "_s, u"0%"_s}));
    desktop.clipboard.text = u"before"_s;
    click("Command4");
    EXPECT_EQ(desktop.clipboard.text, QString());
    EXPECT_TRUE(control("Command1")->hasFocus());
}

TEST_F(ReportWindowTest, TheQueryListsWhoExpiresBeforeTheDateAndKeepsTheLinesOnABadDate)
{
    open();
    query(u"12/6/2026"_s); // Older expires a day earlier; Newer on that day
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s}));
    control<QRadioButton>("Option3")->click();
    query(u"6/1/2030"_s); // licence dates only: Older has none, Undated a bad one
    EXPECT_EQ(lastNames(), (QStringList{u"Newer"_s}));

    std::size_t refused = 0;
    for (const QString &bad : {u"13/45/2026"_s, u"soon"_s}) {
        SCOPED_TRACE(bad.toStdString());
        query(bad);
        EXPECT_EQ(lastNames(), (QStringList{u"Newer"_s}));
        expectMessage(++refused, u"Valid Date Required."_s, u"Please enter a valid date."_s);
        // The focus is back in the query box, its whole text selected for retyping.
        EXPECT_TRUE(line("Text1")->hasFocus());
        EXPECT_EQ(line("Text1")->selectedText(), bad);
    }
    // Also when the box kept the focus while the message was up.
    line("Text1")->deselect();
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier); // clicks after a moment
    ASSERT_TRUE(QTest::qWaitFor([this] { return desktop.messages.shown.size() == 3; }));
    settle();
    EXPECT_EQ(line("Text1")->selectedText(), u"soon"_s);

    click("Command2");
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s, u"Newer"_s, u"Undated"_s}));
    EXPECT_TRUE(control("Command1")->hasFocus());
}

TEST_F(ReportWindowTest, ATitleClickSortsAscendingEveryTimeAndTheCopyFollowsTheLines)
{
    open();
    clickTitle(10); // Joined, as text: "1/15/2004" before "12/1/1999", empty first
    EXPECT_EQ(column(10), (QStringList{QString(), u"1/15/2004"_s, u"12/1/1999"_s}));
    clickTitle(10);
    EXPECT_EQ(column(10), (QStringList{QString(), u"1/15/2004"_s, u"12/1/1999"_s}));
    clickTitle(1); // First, letter case ignored: Ann, bob, Cy
    EXPECT_EQ(column(1), (QStringList{u"Ann"_s, u"bob"_s, u"Cy"_s}));

    // A title dragged onto another stays where it is: the copy follows the columns shown.
    QHeaderView *header = control<QTreeView>("ListView1")->header();
    const auto middle = [header](int column) {
        return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
    };
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, middle(2));
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(header->viewport(), middle(2) + (middle(0) - middle(2)) * step / 10);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, middle(0));
    EXPECT_EQ(header->visualIndex(2), 2);

    clickTitle(3);
    click("Command4");
    const QString newer = u"W3BB\tbob\t\tNewer\t2 Oak\tAston\tPA\t19014\t\t\t1/15/2004\t12/6/2026\t"
                          u"Extra\t1/1/2020\ty\tY\tY\t\t\r\n"_s;
    const QString older = u"K3AA\tAnn\t\tOlder\t1 Elm, \tMedia\tPA\t19063\t\t\t12/1/1999\t"
                          u"12/5/2026\tGeneral\t\tY\ty\tY\t\tgolf chess\r\n"_s;
    const QString undated = u"\tCy\t\tUndated\t\t\t\t\t\t\t\t\t\tbad\tN\tN\tN\t\t\r\n"_s;
    EXPECT_EQ(desktop.clipboard.text.toStdString(), (newer + older + undated).toStdString());
    click("Command2");
    click("Command4");
    EXPECT_EQ(desktop.clipboard.text.toStdString(), (older + newer + undated).toStdString());

    desktop.clipboard.failing = true;
    click("Command4");
    expectMessage(1, u"Clipboard Not Available"_s);
}

TEST_F(ReportWindowTest, TheQueryBoxSelectsItsWholeTextWhicheverWayItGetsTheFocus)
{
    open();
    QLineEdit *box = line("Text1");
    for (const int way : {0, 1, 2}) {
        control("Command1")->setFocus(Qt::OtherFocusReason);
        box->deselect();
        if (way == 0)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        else if (way == 1)
            QTest::keyClick(control("Command1"), Qt::Key_Backtab);
        else
            box->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(box->hasFocus()) << way;
        EXPECT_EQ(box->selectedText(), u"12/6/2026"_s) << way;
    }
}

// No leaves the file as it was; Yes sets every dues flag to N, saves, and lists everyone again
// even after a query that listed no one. A failed save keeps the old file and says so, while the
// roll in memory has the reset and shows it, so that the next reset writes it.
TEST_F(ReportWindowTest, TheDuesResetAsksThenSavesEveryFlagAsNo)
{
    QByteArray members;
    for (int i = 0; i < 25; ++i) {
        const QByteArray last = "Member" + QByteArray::number(100 + i);
        members +=
            fileRecord({"K3AA", "Ann", "", last.constData(), "1 Elm", "Media", "PA", "19063", "",
                        "", "", "12/5/2026", "", "", "", "Y", "N", i % 3 ? "Y" : "N", ""});
    }
    open(members);
    const QDateTime written = QFileInfo(files.path(u"AddrClub.dat"_s)).lastModified();
    QTest::qWait(20); // a rewrite would show in the time stamp
    desktop.messages.answerNext(Answer::No);
    click("Command3");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_TRUE(desktop.messages.shown[0].question);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Are you sure?"_s);
    EXPECT_EQ(desktop.messages.shown[0].text, u"This action will set the dues value to NO for ALL "
                                              u"members.  Do you wish to proceed?"_s);
    EXPECT_EQ(roll(), members);
    EXPECT_EQ(QFileInfo(files.path(u"AddrClub.dat"_s)).lastModified(), written);
    EXPECT_EQ(column(16).mid(0, 3), (QStringList{u"N"_s, u"Y"_s, u"Y"_s}));

    desktop.messages.answerNext(Answer::Yes);
    withFileSizeCap(members.size() / 2, [&] { click("Command3"); });
    EXPECT_EQ(roll(), members);
    expectMessage(3, u"Trouble saving data!"_s);
    EXPECT_TRUE(desktop.messages.shown[2].text.startsWith(
        u"The member roll could not be saved to "_s + files.path(u"AddrClub.dat"_s)));
    EXPECT_EQ(column(16), QStringList(25, u"N"_s));

    query(u"1/1/2020"_s);
    EXPECT_TRUE(lastNames().isEmpty());
    desktop.messages.answerNext(Answer::Yes);
    click("Command3");
    QByteArray expected = members;
    expected.replace("\"Y\",\"N\",\"Y\",\"\"\r\n", "\"Y\",\"N\",\"N\",\"\"\r\n");
    EXPECT_EQ(roll(), expected);
    EXPECT_EQ(roll().count("\"Y\",\"N\",\"N\",\"\"\r\n"), 25);
    EXPECT_EQ(lastNames().size(), 25);
    EXPECT_EQ(column(16), QStringList(25, u"N"_s));
    EXPECT_TRUE(control("Command1")->hasFocus());
    EXPECT_EQ(desktop.messages.shown.size(), 4u); // the question, and no message after it
}

TEST_F(ReportWindowTest, TheAccessKeysRunTheButtonsAndEscapeCloses)
{
    open();
    query(u"12/6/2026"_s);
    pressAlt(Qt::Key_A); // List &All
    EXPECT_EQ(lastNames().size(), 3);
    pressAlt(Qt::Key_C); // &Copy List to Clipboard
    EXPECT_EQ(desktop.clipboard.text.count(u"\r\n"_s), 3);
    pressAlt(Qt::Key_R); // &Reset All Dues Paid
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
    line("Text1")->setText(u"12/6/2026"_s);
    pressAlt(Qt::Key_L); // &List
    EXPECT_EQ(lastNames(), (QStringList{u"Older"_s}));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace tessaly::testing
