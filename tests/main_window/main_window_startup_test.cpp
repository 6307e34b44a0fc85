#include "main_window_fixture.h"

#include <QLabel>
#include <QMenuBar>

#include <string_view>

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

// The Tab key visits every control in this order; an entry control is named by its label,
// whose caption reaches the control's accessible name, and each empty date box passed on the
// way takes today's date.
TEST_F(StartUpTest, TabVisitsEveryControlInOrderEachNamedByItsLabel)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    const std::pair<const char *, const char *> controls[] = {
        {"Text12", "Text12Label"}, {"Text1", "Text1Label"},   {"Text2", "Text2Label"},
        {"Text3", "Text3Label"},   {"Text4", "Text4Label"},   {"Text5", "Text5Label"},
        {"Text6", "Text6Label"},   {"Text7", "Text7Label"},   {"Text9", "Text9Label"},
        {"Text13", "Text13Label"}, {"Text15", "Text15Label"}, {"Text14", "Text14Label"},
        {"Text16", "Text16Label"}, {"Text17", "Text17Label"}, {"Check1", "Label21"},
        {"Check2", "Label22"},     {"Check3", "Label24"},     {"Text18", "Text18Label"},
        {"Text8", "Text8Label"},   {"Command1", nullptr},     {"Command4", nullptr},
        {"Command2", nullptr},     {"Command5", nullptr},     {"Text10", nullptr},
        {"Text11", nullptr},       {"Command3", nullptr},     {"Command9", nullptr},
        {"List1", nullptr},        {"Command6", nullptr},     {"Command8", nullptr},
        {"Command7", nullptr},
    };
    for (const auto &[id, labelId] : controls) {
        SCOPED_TRACE(id);
        QWidget *widget = QApplication::focusWidget();
        ASSERT_EQ(widget->objectName(), QString::fromLatin1(id));
        if (labelId != nullptr) {
            auto *label = control<QLabel>(labelId);
            ASSERT_TRUE(label);
            EXPECT_FALSE(label->text().trimmed().isEmpty());
            EXPECT_EQ(label->buddy(), widget);
            EXPECT_EQ(widget->accessibleName(), label->text().trimmed());
        }
        // Past the entry area (the search box, which comes later, empties it again).
        if (std::string_view(id) == "Command1") {
            for (const char *box : {"Text15", "Text14", "Text17", "Text18"})
                EXPECT_EQ(line(box)->text(), u"12/6/2026"_s) << box;
        }
        pressTab();
    }
    EXPECT_TRUE(desktop.messages.shown.empty());
    // A caption and tooltip reach their controls as the design writes them.
    EXPECT_EQ(control<QLabel>("Text14Label")->toolTip(), u"Membership Expiration"_s);
    EXPECT_EQ(control<QPushButton>("Command7")->text(), u"&Print List"_s);
    EXPECT_EQ(control("Command7")->toolTip(),
              u"Prints mailing labels of listed addresses.  Printed labels will be ONLY those "
              u"listed!"_s);
}

// A client area of exactly twice the design (632 x 426 pixels) doubles every rectangle; the
// window itself takes the whole work area.
TEST_F(StartUpTest, TakesTheWorkAreaAndScalesEveryControlToItsClientArea)
{
    open(threeMembers, false);
    const int menu = window->menuBar()->height();
    window.reset();
    desktop.desktop.area = QRect(0, 0, 1264, 852 + menu);
    open(threeMembers, false);
    EXPECT_EQ(window->geometry(), desktop.desktop.area);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1264, 852));
    const std::pair<const char *, QRect> placed[] = {
        {"Text12", QRect(32, 48, 130, 38)},   {"Text8", QRect(32, 528, 642, 146)},
        {"Check2", QRect(496, 400, 34, 34)},  {"Label22", QRect(288, 400, 194, 40)},
        {"List1", QRect(704, 80, 546, 616)},  {"Command7", QRect(1088, 720, 114, 130)},
        {"Text10", QRect(480, 736, 210, 114)}};
    for (const auto &[id, rect] : placed)
        EXPECT_EQ(control(id)->geometry(), rect) << id;

    // A work area of another shape scales width and height apart: 1280 / 632 and 600 / 426.
    window.reset();
    desktop.desktop.area = QRect(0, 0, 1280, 600 + menu);
    open(threeMembers, false);
    EXPECT_EQ(control("Text12")->geometry(), QRect(32, 34, 132, 27));
    EXPECT_EQ(control("List1")->geometry(), QRect(713, 56, 553, 434));
}

} // namespace
} // namespace tessaly::testing
