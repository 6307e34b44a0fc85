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

struct Shown {
    const char *id;
    QString caption; // a button's text, or the caption of the entry control's label
    QString toolTip;
    const char *labelId = nullptr;
    QString labelTip = {};
};

// The Tab key visits every control in this order, each with its caption and tooltip as the
// operator sees them; an entry control's label names it. Each empty date box passed on the way
// takes today's date.
TEST_F(StartUpTest, TabVisitsEveryControlWithItsCaptionAndTooltip)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    const Shown controls[] = {
        {"Text12", u" Call"_s, {}, "Text12Label"},
        {"Text1", u" First"_s, {}, "Text1Label"},
        {"Text2", u"MI"_s, {}, "Text2Label"},
        {"Text3", u" Last"_s, {}, "Text3Label"},
        {"Text4", u" Address"_s, {}, "Text4Label"},
        {"Text5", u" City"_s, {}, "Text5Label"},
        {"Text6", u"ST"_s, {}, "Text6Label"},
        {"Text7", u" Zip"_s, {}, "Text7Label"},
        {"Text9", u" Telephone"_s, {}, "Text9Label"},
        {"Text13", u" E-mail"_s, {}, "Text13Label"},
        {"Text15", u"Joined"_s, {}, "Text15Label"},
        {"Text14", u"Expires"_s, {}, "Text14Label", u"Membership Expiration"_s},
        {"Text16", u"Class"_s, {}, "Text16Label"},
        {"Text17", u" Expiration"_s, {}, "Text17Label"},
        {"Check1", u" ARRL Member"_s, {}, "Label21"},
        {"Check2", u" Voting Member"_s, {}, "Label22"},
        {"Check3", u" Dues Paid"_s, {}, "Label24"},
        {"Text18", u" D.O.B."_s, {}, "Text18Label"},
        {"Text8", u" Other Data"_s,
         u"Give thought to search criteria (you may want to print a \"golf\" or \"church\", etc. "
         u"list."_s,
         "Text8Label"},
        {"Command1", u"&Add"_s, u"Click to enter or edit a record."_s},
        {"Command4", u"Cl&ear"_s, u"Clears entry fields."_s},
        {"Command2", u"&Delete"_s, u"Deletes the address you selected. "_s},
        {"Command5", u"&Copy to Clipboard"_s,
         u"Click to copy addess to clipboard so you can paste it in other programs."_s},
        {"Text10",
         {},
         u"This data will be copied to your clipboard by clicking the above command button."_s},
        {"Text11",
         {},
         u"Enter search string.  All data fields are searched for your entry and listed below."_s},
        {"Command3", u"&List All"_s, u"Click to list all entries."_s},
        {"Command9", u"List All &Voting"_s, {}},
        {"List1", {}, u"Click on the name to edit."_s},
        {"Command6", u"&Write File (address.txt)"_s,
         u"Writes the addresses of the listed members to the file address.txt in the program's "
         u"folder.  Only the entries in the list are written."_s},
        {"Command8", u"Copy List to Clip&board"_s,
         u"Copies to the clipboard complete record of search results.  Great for pasting into "
         u"spreadsheets for reports."_s},
        {"Command7", u"&Print List"_s,
         u"Prints mailing labels of listed addresses.  Printed labels will be ONLY those "
         u"listed!"_s},
    };
    for (const Shown &shown : controls) {
        SCOPED_TRACE(shown.id);
        QWidget *widget = QApplication::focusWidget();
        ASSERT_EQ(widget->objectName(), QString::fromLatin1(shown.id));
        EXPECT_EQ(widget->toolTip(), shown.toolTip);
        if (shown.labelId != nullptr) {
            auto *label = control<QLabel>(shown.labelId);
            ASSERT_TRUE(label);
            EXPECT_EQ(label->text(), shown.caption);
            EXPECT_EQ(label->toolTip(), shown.labelTip);
            EXPECT_EQ(label->buddy(), widget);
            EXPECT_EQ(widget->accessibleName(), shown.caption.trimmed());
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            EXPECT_EQ(button->text(), shown.caption);
        }
        // Past the entry area (the search box, which comes later, empties it again).
        if (std::string_view(shown.id) == "Command1") {
            for (const char *id : {"Text15", "Text14", "Text17", "Text18"})
                EXPECT_EQ(line(id)->text(), u"12/6/2026"_s) << id;
        }
        pressTab();
    }
    EXPECT_TRUE(desktop.messages.shown.empty());

    const std::pair<const char *, QString> headings[] = {{"LicenseLabel", u"License"_s},
                                                         {"Text11Label", u" Search"_s},
                                                         {"Text10Label", u" Quick Copy"_s}};
    for (const auto &[id, caption] : headings)
        EXPECT_EQ(control<QLabel>(id)->text(), caption) << id;
    const QString menus[] = {u"&File"_s, u"&Queries"_s, u"&Help"_s};
    ASSERT_EQ(window->menuBar()->actions().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(window->menuBar()->actions().at(i)->text(), menus[i]);
    EXPECT_EQ(window->menuBar()->actions().at(0)->menu()->actions().at(0)->text(),
              u"&Import Members..."_s);
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
