#include "main_window/main_window_texts.h"
#include "main_window_fixture.h"
#include "roll/roll_messages.h"

#include <QLabel>
#include <QMenuBar>

namespace tessaly::testing {
namespace {

class StartUpTest : public MainWindowTest {
  protected:
    // The control after this one in the focus chain, past the inner parts (viewports,
    // scroll bars) of a box or list.
    QWidget *nextControl(QWidget *control) const
    {
        QWidget *next = control->nextInFocusChain();
        while (next != control && (next->parentWidget() != window->centralWidget() ||
                                   next->focusPolicy() == Qt::NoFocus))
            next = next->nextInFocusChain();
        return next;
    }
};

TEST_F(StartUpTest, ListsTheFileMembersInOrderAndWaitsInAddMode)
{
    // The last record is cut short by the end of the file; what there is of it is listed.
    open(threeMembers + "\"W3NEW\",\"Dora\",\"\",\"Dunn\",\"1 Main");
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s,
                                        u"Carter, Carl  - N3XYZ"_s, u"Dunn, Dora  - W3NEW"_s}));
    EXPECT_TRUE(desktop.messages.shown.empty());
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(StartUpTest, AMissingDataFileBeepsAndSaysSo)
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
}

TEST_F(StartUpTest, ARollBeyondTheCapacityLoadsTheFirstTenThousandAndSaysSo)
{
    open(fileRecord({}).repeated(MemberStore::kCapacity + 2));
    EXPECT_EQ(listLines().size(), MemberStore::kCapacity);
    expectMessage(1, u"Too many members!"_s, surplusMessage(session->dataFilePath(), 2));
    EXPECT_TRUE(desktop.messages.shown.back().text.startsWith(
        session->dataFilePath() + u" holds 2 more members than Tessaly can keep (10,000)."_s));
}

struct Shown {
    const char *id;
    QString text;
    QString toolTip;
};

// Every control of the entry area in Tab order, with the caption of its label, the label's
// tooltip and the control's own tooltip, as the operator sees them.
TEST_F(StartUpTest, TheEntryControlsCarryTheirCaptionsAndTooltipsInTabOrder)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    const QString otherTip =
        u"Give thought to search criteria (you may want to print a \"golf\" or "
        u"\"church\", etc. list."_s;
    const std::tuple<const char *, const char *, QString, QString, QString> entry[] = {
        {"Text12", "Text12Label", u" Call"_s, {}, {}},
        {"Text1", "Text1Label", u" First"_s, {}, {}},
        {"Text2", "Text2Label", u"MI"_s, {}, {}},
        {"Text3", "Text3Label", u" Last"_s, {}, {}},
        {"Text4", "Text4Label", u" Address"_s, {}, {}},
        {"Text5", "Text5Label", u" City"_s, {}, {}},
        {"Text6", "Text6Label", u"ST"_s, {}, {}},
        {"Text7", "Text7Label", u" Zip"_s, {}, {}},
        {"Text9", "Text9Label", u" Telephone"_s, {}, {}},
        {"Text13", "Text13Label", u" E-mail"_s, {}, {}},
        {"Text15", "Text15Label", u"Joined"_s, {}, {}},
        {"Text14", "Text14Label", u"Expires"_s, u"Membership Expiration"_s, {}},
        {"Text16", "Text16Label", u"Class"_s, {}, {}},
        {"Text17", "Text17Label", u" Expiration"_s, {}, {}},
        {"Check1", "Label21", u" ARRL Member"_s, {}, {}},
        {"Check2", "Label22", u" Voting Member"_s, {}, {}},
        {"Check3", "Label24", u" Dues Paid"_s, {}, {}},
        {"Text18", "Text18Label", u" D.O.B."_s, {}, {}},
        {"Text8", "Text8Label", u" Other Data"_s, {}, otherTip},
    };
    QWidget *previous = nullptr;
    for (const auto &[id, labelId, caption, labelTip, toolTip] : entry) {
        SCOPED_TRACE(id);
        QWidget *box = control(id);
        auto *label = control<QLabel>(labelId);
        ASSERT_TRUE(box && label);
        EXPECT_EQ(label->text(), caption);
        EXPECT_EQ(label->toolTip(), labelTip);
        EXPECT_EQ(label->buddy(), box);
        EXPECT_EQ(box->toolTip(), toolTip);
        EXPECT_EQ(box->accessibleName(), caption.trimmed());
        if (previous != nullptr) {
            EXPECT_EQ(nextControl(previous)->objectName(), box->objectName());
        }
        previous = box;
    }
    const std::pair<const char *, QString> headings[] = {{"LicenseLabel", u"License"_s},
                                                         {"Text11Label", u" Search"_s},
                                                         {"Text10Label", u" Quick Copy"_s}};
    for (const auto &[id, caption] : headings)
        EXPECT_EQ(control<QLabel>(id)->text(), caption) << id;
}

// The commands and the right half, in the Tab order that follows Other Data.
TEST_F(StartUpTest, TheOtherControlsCarryTheirCaptionsAndTooltipsInTabOrder)
{
    open();
    const Shown rest[] = {
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
    QWidget *previous = control("Text8");
    for (const Shown &shown : rest) {
        SCOPED_TRACE(shown.id);
        QWidget *widget = control(shown.id);
        ASSERT_TRUE(widget);
        EXPECT_EQ(widget->toolTip(), shown.toolTip);
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            EXPECT_EQ(button->text(), shown.text);
        }
        EXPECT_EQ(nextControl(previous)->objectName(), widget->objectName());
        previous = widget;
    }
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
