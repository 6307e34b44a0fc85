#include "main_window_fixture.h"

#include <QLabel>
#include <QMenuBar>

namespace tessaly::testing {
namespace {

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, ListsTheFileMembersInOrderAndWaitsInAddMode)
{
    // The last record is cut short by the end of the file; what there is of it is listed.
    open(threeMembers + "\"W3NEW\",\"Dora\",\"\",\"Dunn\",\"1 Main");
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s,
                                        u"Carter, Carl  - N3XYZ"_s, u"Dunn, Dora  - W3NEW"_s}));
    expectMessage(1, u"Damaged Records Found"_s);
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(StartUpTest, AMissingOrOverfullDataFileIsReported)
{
    open(std::nullopt);
    EXPECT_EQ(desktop.messages.beeps, 1);
    expectMessage(
        1, u"Trouble loading data!"_s,
        u"Error reading your file data.  Either your files have become corrupted or "
        u"you do not have enough available memory to load all your data.  This is "
        u"generally not good.  Try closing all other programs and opening this program "
        u"again.  If that doesn't work, try opening the file addrclub.dat with a text "
        u"editor such as notepad to see if the files are ok (c:\\program files\\club)."_s);

    // Beyond the capacity the first ten thousand load.
    window.reset();
    desktop.messages.shown.clear();
    open(fileRecord({}).repeated(10'002));
    EXPECT_EQ(listLines().size(), 10'000);
    expectMessage(1, u"Too many members!"_s,
                  files.path(u"AddrClub.dat"_s) +
                      u" holds 2 more members than Tessaly can keep (10,000). The first 10,000 "
                      u"members were loaded.\n\nThe whole original file will be kept as "
                      u"AddrClub.dat.bak beside it before the roll is first saved."_s);
}

// The Tab key visits every control in this order, and each empty date box passed on the way
// takes today's date; an entry control is named by its label, whose caption reaches the
// control's accessible name.
TEST_F(StartUpTest, TabVisitsEveryControlInOrderEachNamedByItsLabel)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    QStringList visited;
    const auto tab = [&](int times) {
        for (int n = 0; n < times; ++n) {
            visited << QApplication::focusWidget()->objectName();
            pressTab();
        }
    };
    tab(19); // past the entry area (the search box, which comes later, empties it again)
    for (const char *box : {"Text15", "Text14", "Text17", "Text18"})
        EXPECT_EQ(line(box)->text(), u"12/6/2026"_s) << box;
    tab(13);
    EXPECT_EQ(visited.join(u' '),
              u"Text12 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text9 Text13 Text15 Text14 "
              u"Text16 Text17 Check1 Check2 Check3 Text18 Text8 Command1 Command4 Command2 "
              u"Command5 Text10 Text11 Command3 Command9 List1 Command6 Command8 Command7 "
              u"Text12"_s);
    EXPECT_TRUE(desktop.messages.shown.empty());
    int named = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == nullptr)
            continue;
        ++named;
        EXPECT_EQ(label->buddy()->accessibleName(), label->text().trimmed());
    }
    EXPECT_EQ(named, 19); // every box and check box of the entry area
    EXPECT_EQ(control<QLabel>("Text14Label")->toolTip(), u"Membership Expiration"_s);
    EXPECT_EQ(control<QPushButton>("Command7")->text(), u"&Print List"_s);
}

// The window takes the whole work area; its controls are placed on the client area below the
// menu, at exactly twice the design here (632 x 426 pixels).
TEST_F(StartUpTest, TakesTheWorkAreaAndScalesEveryControlToItsClientArea)
{
    open(threeMembers, false);
    const int menu = window->menuBar()->height();
    window.reset();
    desktop.desktop.area = QRect(0, 0, 1264, 852 + menu);
    open(threeMembers, false);
    EXPECT_EQ(window->geometry(), desktop.desktop.area);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1264, 852));
    EXPECT_EQ(control("List1")->geometry(), QRect(704, 80, 546, 616));
}

} // namespace
} // namespace tessaly::testing
