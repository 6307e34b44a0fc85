#include "main_window_fixture.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>

#include <string_view>

namespace tessaly::testing {
namespace {

using CommandsTest = MainWindowTest;

// What an add writes when only the last name was given.
QByteArray added(const char *last)
{
    return fileRecord(
        {"", "", "", last, "", "", "", "", "", "", "", "", "", "", "", "N", "N", "N"});
}

TEST_F(CommandsTest, AddSelectRecordAndDeleteEachRewriteTheFileInOrder)
{
    open();
    click("Command1"); // every box empty: asked about, and No keeps the roll as it is
    expectMessage(1, u"Add Anyway?"_s);
    EXPECT_EQ(roll(), threeMembers);
    desktop.messages.answerNext(Answer::Yes);
    click("Command1"); // sorts first
    EXPECT_EQ(roll(), added("") + threeMembers);
    EXPECT_EQ(listLines().first(), u",  "_s);
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());

    clickRow(2);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Record"_s);
    EXPECT_EQ(form(), u"K3ABC|John|Q|Adams|12 Oak St|Media|PA|19063|610-555-0101|golf|"
                      u"ja@example.org|12/31/2026|1/5/1999|General|7/4/2030|Y|Y|N|2/29/1960|"
                      u"ARS - K3ABC\nJohn Q Adams\n12 Oak St\nMedia PA 19063"_s);
    enterLastName(u"Zimmer"_s); // Enter in the box: the Quick Copy stays empty after it
    const QByteArray zimmer = QByteArray(adamsRecord).replace("\"Adams\"", "\"Zimmer\"");
    EXPECT_EQ(roll(), added("") + bakerRecord + carterRecord + zimmer);
    EXPECT_EQ(listLines().mid(1), (QStringList{u"Baker, Mary "_s, u"Carter, Carl  - N3XYZ"_s,
                                               u"Zimmer, John Q - K3ABC"_s}));
    expectEmptyFormInAddMode();

    // The selection followed the member to its new place.
    desktop.messages.answerNext(Answer::Yes);
    click("Command2");
    expectMessage(3, u"Confirm Delete?"_s, u"Are you sure you want to delete John Zimmer?"_s);
    EXPECT_EQ(roll(), added("") + bakerRecord + carterRecord);
}

// No keeps everyone, and the next delete asks again; deleting everyone leaves an empty file, and
// with nobody selected a delete asks nothing.
TEST_F(CommandsTest, DeleteAsksFirstAndDeletingEveryoneLeavesAnEmptyFile)
{
    open();
    clickRow(3);
    for (std::size_t asked = 1; asked <= 2; ++asked) {
        click("Command2");
        expectMessage(asked, u"Confirm Delete?"_s,
                      u"Are you sure you want to delete Carl Carter?"_s);
        EXPECT_TRUE(desktop.messages.shown.back().question);
        EXPECT_EQ(roll(), threeMembers);
        expectEmptyFormInAddMode();
    }
    for (int left = 3; left > 0; --left) {
        clickRow(1);
        desktop.messages.answerNext(Answer::Yes);
        click("Command2");
    }
    EXPECT_EQ(roll(), QByteArray());
    EXPECT_TRUE(listLines().isEmpty());
    click("Command2");
    EXPECT_EQ(desktop.messages.shown.size(), 5u);
}

// At the limit an add is refused with the typed name kept, while Record still saves.
TEST_F(CommandsTest, NoAddBeyondTheLimitButRecordStillWorks)
{
    open(added("Member").repeated(9998));
    typeInto("Text3", u"newcomer"_s);
    click("Command1");
    expectMessage(1, u"Maximum Record Count"_s);
    EXPECT_TRUE(desktop.messages.shown[0].text.startsWith(
        u"This program was designed to hold up to 10,000 records.  You have attempted to exceeded "
        u"that limit.  If you would like to have this program modified to accomodate additional "
        u"records, please contact me at "_s));
    EXPECT_EQ(session->count(), 9998);
    EXPECT_EQ(line("Text3")->text(), u"Newcomer"_s);
    desktop.messages.chooseNext(static_cast<int>(SaveChangesChoice::No));
    clickRow(1);
    expectMessage(2, u"Save Changes?"_s,
                  u"The new member typed in the entry boxes has not been added yet.\n\nYes adds "
                  u"it first, No discards it, and Cancel goes back to the entry boxes."_s);
    line("Text1")->setText(u"Ann"_s);
    click("Command1");
    EXPECT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_EQ(roll().count("\"Ann\""), 1);
}

// Typing not yet stored is asked about before a command drops it: Yes stores it and the command
// goes on, No drops it and the command goes on, Cancel stays with the typing.
TEST_F(CommandsTest, TypingNotStoredIsAskedAboutBeforeACommandDropsIt)
{
    // what drops the typing, and the Last box once the command went on
    const std::tuple<const char *, std::function<void()>, QString> commands[] = {
        {"another line", [this] { clickRow(3); }, u"Carter"_s},
        {"the search box", [this] { line("Text11")->setFocus(Qt::TabFocusReason); }, QString()},
        {"List All", [this] { click("Command3"); }, QString()},
        {"List All Voting", [this] { click("Command9"); }, QString()},
        {"closing", [this] { window->close(); }, QString()},
    };
    const QByteArray stored = QByteArray(threeMembers).replace("K3ABC", "K3ABD");
    for (const auto &[name, command, lastAfter] : commands) {
        for (const auto choice :
             {SaveChangesChoice::Yes, SaveChangesChoice::No, SaveChangesChoice::Cancel}) {
            SCOPED_TRACE(std::string(name) + " answered " + std::to_string(int(choice)));
            open();
            clickRow(1);
            typeInto("Text12", u"k3abd"_s);
            desktop.messages.chooseNext(static_cast<int>(choice));
            command();
            settle(); // the activation back from the question
            expectMessage(1, u"Save Changes?"_s,
                          u"Your changes to John Adams have not been recorded yet.\n\nYes records "
                          u"them first, No discards them, and Cancel goes back to the entry boxes."_s);
            EXPECT_EQ(roll(), choice == SaveChangesChoice::Yes ? stored : threeMembers);
            if (choice == SaveChangesChoice::Cancel) {
                EXPECT_EQ(std::tuple(window->isVisible(), window->entryMode(),
                                     line("Text12")->text(), line("Text12")->hasFocus()),
                          std::tuple(true, EntryMode::Record, u"K3ABD"_s, true));
            } else if (window->isVisible()) {
                EXPECT_EQ(line("Text3")->text(), lastAfter);
            } else {
                EXPECT_EQ(std::string(name), "closing");
            }
        }
    }

    // Nothing to ask about: a date proposed beside typing undone, or a member only looked at;
    // Clear drops typing.
    open();
    focus(line("Text15"));
    typeInto("Text3", u"x"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Backspace);
    click("Command3");
    clickRow(2);
    clickRow(1);
    typeInto("Text1", u"Jon"_s);
    click("Command4");
    EXPECT_TRUE(desktop.messages.shown.empty());
    // A store that is refused stops the command.
    clickRow(1);
    typeInto("Text1", u"Jon"_s);
    line("Text14")->setText(u"13/31/2025"_s);
    desktop.messages.chooseNext(static_cast<int>(SaveChangesChoice::Yes));
    click("Command9");
    expectMessage(2, u"Valid Date Required."_s);
    EXPECT_TRUE(line("Text14")->hasFocus());
    EXPECT_EQ(listLines().size(), 3);
    EXPECT_EQ(roll(), threeMembers);
}

// The search box says what the list shows: a command that lists everyone again empties it, and
// runs no search with the empty text.
TEST_F(CommandsTest, ACommandThatListsEveryoneEmptiesTheSearchBox)
{
    open();
    const std::tuple<const char *, std::function<void()>, int> commands[] = {
        {"Record", [this] { clickRow(1); enterLastName(u"Carr"_s); }, 3},
        {"List All", [this] { click("Command3"); }, 3},
        {"List All Voting", [this] { click("Command9"); }, 2},
    };
    for (const auto &[name, command, listed] : commands) {
        SCOPED_TRACE(name);
        typeInto("Text11", u"car"_s);
        ASSERT_EQ(listLines().size(), 1);
        command();
        EXPECT_EQ(line("Text11")->text(), QString());
        EXPECT_EQ(listLines().size(), listed);
    }
    EXPECT_EQ(roll(), adamsRecord + bakerRecord +
                          QByteArray(carterRecord).replace("\"Carter\"", "\"Carr\""));
}

// A member typed again by hand is held to the import's duplicate rule (the same call sign and
// name, or the same name and address, in any letter case), and an add of nothing at all is
// asked about too: No keeps the boxes as typed, Yes adds. Enter on the focused Add presses it.
TEST_F(CommandsTest, AnAddThatLooksLikeAMistakeIsAskedAbout)
{
    open();
    // the boxes typed, and the member they seem to be
    const std::pair<std::vector<std::pair<const char *, QString>>, QString> rows[] = {
        {{{"Text12", u"k3abc"_s}, {"Text1", u"john"_s}, {"Text3", u"ADAMS"_s}},
         u"This member seems to be on the roll already, as \"Adams, John Q - K3ABC\" (the same "
         u"call sign and name, or the same name and address).  Add this member anyway?"_s},
        {{{"Text1", u"Mary"_s}, {"Text3", u"baker"_s}, {"Text4", u"5 elm  st apt 2"_s}},
         u"This member seems to be on the roll already, as \"Baker, Mary \" (the same call "
         u"sign and name, or the same name and address).  Add this member anyway?"_s},
        {{}, u"Every entry box is empty.  Add a member without any data anyway?"_s},
    };
    std::size_t asked = 0, members = 3;
    for (const auto &[typed, question] : rows) {
        SCOPED_TRACE(question.toStdString());
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            for (const auto &[id, text] : typed)
                typeInto(id, text);
            desktop.messages.answerNext(answer);
            focus(control("Command1"));
            QTest::keyClick(control("Command1"), Qt::Key_Return);
            settle();
            expectMessage(++asked, u"Add Anyway?"_s, question);
            if (answer == Answer::Yes)
                ++members;
            EXPECT_EQ(listLines().size(), members);
            if (!typed.empty()) {
                EXPECT_EQ(textOf(control(typed.back().first)).isEmpty(), answer == Answer::Yes);
            }
        }
    }
    // A different first name at the same address is another member of the household.
    typeInto("Text1", u"Tom"_s);
    typeInto("Text3", u"Baker"_s);
    typeInto("Text4", u"5 Elm St Apt 2"_s);
    click("Command1");
    EXPECT_EQ(desktop.messages.shown.size(), asked);
    EXPECT_EQ(session->count(), 7);
}

// Every Windows-1252 character but the double quote, in every box, comes back from Record byte
// for byte: the no-break space (A0) too, which a multi-line box's plain text turns into a blank.
TEST_F(CommandsTest, RecordGivesBackEveryCharacterOfEveryBoxUnchanged)
{
    QByteArray all;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        if (byte != '"')
            all += char(byte);
    const QByteArray multiLine = all + "\r\n\t" + all + "\r\n";
    QByteArrayList values(19, all);
    values[4] = values[9] = multiLine; // Address and Other
    values[15] = values[16] = values[17] = "N";
    values[11] = values[12] = values[14] = values[18] = "7/4/2003"; // Record holds dates to dates
    const QByteArray record = fileRecord(values);
    open(record);
    clickRow(1);
    ASSERT_EQ(window->entryMode(), EntryMode::Record);
    click("Command1");
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(roll(), record);
}

// A value far longer than any box line, without a blank (another program wrote it), is broken
// anywhere rather than searched for word boundaries line after line; ordinary text wraps at words.
TEST_F(CommandsTest, AHugeUnbrokenValueIsBrokenAnywhere)
{
    open(adamsRecord +
         fileRecord({"", "", "", "Zoe", "", "", "", "", "", QByteArray(200'000, 'x')}));
    const auto *other = control<QPlainTextEdit>("Text8");
    clickRow(2);
    EXPECT_EQ(other->wordWrapMode(), QTextOption::WrapAnywhere);
    clickRow(1);
    EXPECT_EQ(other->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(other->toPlainText(), u"golf"_s);
}

// Values another program wrote, longer than a box can hold: the box shows their beginning and
// cannot be edited, and recording the member keeps them whole.
TEST_F(CommandsTest, ALongValueIsShownFromItsBeginningAndRecordedWhole)
{
    const auto repeated = [](const QByteArray &piece, int length) {
        return piece.repeated(length / piece.size() + 1).left(length);
    };
    // Other's cut would end between a CR and its LF (32,768 is a multiple of 8): it ends before.
    const QByteArray city = repeated("Media ", 40000), other = repeated("a note\r\n", 100000),
                     expires = repeated("7/4/2030 ", 33000);
    const QByteArray adams =
        fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St", city, "PA", "19063", "610-555-0101",
                    other, "ja@example.org", "12/31/2026", "1/5/1999", "General", expires, "Y", "Y",
                    "N", "2/29/1960"});
    open(adams + bakerRecord + carterRecord);
    clickRow(1);

    for (const auto &[id, value, length] :
         {std::tuple{"Text5", city, "40,000"}, std::tuple{"Text8", other, "100,000"},
          std::tuple{"Text17", expires, "33,000"}}) {
        SCOPED_TRACE(id);
        QWidget *shown = control(id);
        const QString text = textOf(shown);
        EXPECT_EQ(text.size(),
                  std::string_view(id) == "Text8" ? 32766 - text.count(u'\n') : qsizetype{32767});
        EXPECT_TRUE(QString::fromLatin1(value).replace(u"\r\n"_s, u"\n"_s).startsWith(text));
        EXPECT_TRUE(shown->property("readOnly").toBool());
        EXPECT_TRUE(shown->toolTip().contains(QString::fromLatin1(length)))
            << shown->toolTip().toStdString();

        // Typing and pasting change nothing; leaving the date box asks nothing.
        focus(shown);
        QTest::keyClicks(shown, u"zz"_s);
        QTest::keyClick(shown, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(textOf(shown) == text) << "the box took typing";
        pressTab();
    }
    EXPECT_TRUE(desktop.messages.shown.empty());

    typeInto("Text12", u"K3ABD"_s);
    QTest::keyClick(line("Text5"), Qt::Key_Return); // a box that takes no typing still records
    settle();
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_TRUE(roll() == QByteArray(adams).replace("K3ABC", "K3ABD") + bakerRecord + carterRecord)
        << "Enter did not record, or recording lost part of a long value";

    // The next member's boxes take typing again, with their own tooltips.
    clickRow(2);
    EXPECT_EQ(std::tuple(line("Text5")->isReadOnly(), control("Text8")->property("readOnly"),
                         control("Text8")->toolTip().left(12), line("Text5")->toolTip()),
              std::tuple(false, QVariant(false), u"Give thought"_s, QString()));
    typeInto("Text5", u"Chester Heights"_s);
    EXPECT_EQ(line("Text5")->text(), u"Chester Heights"_s);
}

// Typing into the entry boxes and moving between them. The fake clock's today is 12/6/2026.
class TypingTest : public MainWindowTest {
  protected:
    void SetUp() override { open(); }
};

// A paste keeps what the file can hold, a line break only in a multi-line box; Enter in the
// address box makes a new line and adds no one.
TEST_F(TypingTest, PasteAndEnterKeepToWhatEachBoxCanHold)
{
    QGuiApplication::clipboard()->setText(u"O\"Ha\u0416ra\r\nApt \u20ac2"_s);
    for (const auto &[id, after] :
         {std::pair{"Text3", u"OHaraApt \u20ac2"_s}, std::pair{"Text4", u"OHara\nApt \u20ac2"_s}}) {
        focus(control(id));
        QTest::keyClick(control(id), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(textOf(control(id)), after) << id;
    }
    QTest::keyClick(control("Text4"), Qt::Key_Return);
    QTest::keyClicks(control("Text4"), u"4"_s);
    EXPECT_EQ(textOf(control("Text4")), u"OHara\nApt \u20ac2\n4"_s);
    EXPECT_EQ(roll(), threeMembers);
}

// A date box writes the date it is left with as month/day/year, or refuses it and keeps the
// focus, checking it again on every leaving; only the valid date reaches the roll.
TEST_F(TypingTest, LeavingADateBoxWritesTheDateAsMonthDayYearOrRefusesIt)
{
    focus(line("Text14"));
    line("Text14")->setText(u"2/30/2003"_s);
    pressTab();
    EXPECT_EQ(desktop.messages.beeps, 1);
    expectMessage(1, u"Valid Date Required."_s, u"Please enter a valid date or leave blank."_s);
    EXPECT_TRUE(line("Text14")->hasFocus());
    EXPECT_EQ(line("Text14")->text(), u"2/30/2003"_s);
    pressTab();
    expectMessage(2, u"Valid Date Required."_s);
    EXPECT_TRUE(line("Text14")->hasFocus());
    line("Text14")->selectAll();
    QTest::keyClicks(line("Text14"), u"02/29/2004"_s);
    pressTab();
    EXPECT_EQ(line("Text14")->text(), u"2/29/2004"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    EXPECT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_TRUE(roll().contains("\"2/29/2004\"") && !roll().contains("2/30/2003"));
}

// Enter stores the boxes only when every date box holds a date or nothing, and stores each as
// leaving its box would have written it: the first box in the Tab order that holds no date is
// told and given the focus, and nothing is stored.
TEST_F(TypingTest, EnterStoresOnlyDatesAndWritesThemAsMonthDayYear)
{
    typeInto("Text3", u"Zed"_s);
    line("Text15")->setText(u" 07/04/2003 "_s);
    line("Text18")->setText(u"13/31/2025"_s);
    line("Text17")->setText(u"2/30/2003"_s);
    for (const char *bad : {"Text17", "Text18"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
        EXPECT_EQ(desktop.messages.beeps, bad == std::string_view("Text17") ? 1 : 2);
        expectMessage(static_cast<std::size_t>(desktop.messages.beeps), u"Valid Date Required."_s);
        EXPECT_TRUE(line(bad)->hasFocus()) << bad;
        EXPECT_EQ(roll(), threeMembers);
        line(bad)->setText(bad == std::string_view("Text17") ? u"1/15/2031"_s : u" 2/29/1960"_s);
    }
    EXPECT_EQ(line("Text15")->text(), u"7/4/2003"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_EQ(roll(), threeMembers + fileRecord({"", "", "", "Zed", "", "", "", "", "", "", "", "",
                                                 "7/4/2003", "", "1/15/2031", "N", "N", "N",
                                                 "2/29/1960"}));
}

// An empty date of a member on the roll means the date is not known: passing through its box
// proposes nothing, and Record keeps it empty.
TEST_F(TypingTest, AMembersEmptyDatesStayEmptyOnTheWayThroughItsBoxes)
{
    clickRow(2); // Baker, without dates
    for (const char *id : {"Text15", "Text14", "Text17", "Text18"}) {
        focus(line(id));
        EXPECT_EQ(line(id)->text(), QString()) << id;
    }
    typeInto("Text9", u"610-555-0102"_s);
    click("Command1");
    EXPECT_EQ(roll(), adamsRecord +
                          QByteArray(bakerRecord)
                              .replace("\"19013\",\"\"", "\"19013\",\"610-555-0102\"")
                              .replace("\"y\"", "\"Y\"") +
                          carterRecord);
}

TEST_F(TypingTest, ACheckBoxLightsItsLabelWhileItHasTheFocus)
{
    focus(control("Check1"));
    for (const char *lit : {"Label21", "Label22", "Label24"}) {
        for (const char *label : {"Label21", "Label22", "Label24"})
            EXPECT_EQ(control<QLabel>(label)->palette().color(QPalette::Window),
                      std::string_view(label) == lit ? QColor(0, 0, 255) : QColor(0, 0, 128))
                << label << " with " << lit << " lit";
        pressTab();
    }
}

// The focus that goes to another window, a menu or a popup comes back to the same box: the
// box is not left, so neither the date check nor the Quick Copy rebuild runs.
TEST_F(TypingTest, FocusLostToAMenuOrAPopupRunsNoLeaveRule)
{
    focus(line("Text14"));
    line("Text14")->setText(u"2/30/2003"_s);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    showActive(); // back from the other window
    EXPECT_TRUE(line("Text14")->hasFocus());
    EXPECT_TRUE(desktop.messages.shown.empty());
    for (const Qt::FocusReason reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(line("Text14"), &out);
        EXPECT_TRUE(desktop.messages.shown.empty()) << reason;
    }
    line("Text14")->clear();
    typeInto("Text3", u"Adams"_s);
    const QString quickCopy = textOf(control("Text10"));
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(line("Text3"), &out);
        EXPECT_EQ(textOf(control("Text10")), quickCopy) << reason;
    }
    pressTab();
    EXPECT_EQ(textOf(control("Text10")), u"Adams\n\n  "_s);
    // Only leaving one of the eight address boxes builds it again: the City set here waits
    // while the Telephone and E-mail boxes are left, and comes in when the Zip box is.
    focus(line("Text9"));
    line("Text5")->setText(u"Media"_s);
    pressTab();
    focus(line("Text7"));
    EXPECT_EQ(textOf(control("Text10")), u"Adams\n\n  "_s);
    pressTab();
    EXPECT_EQ(textOf(control("Text10")), u"Adams\n\nMedia  "_s);
}

// A click into an empty date box proposes today and selects all of it, although the release
// of the click would put the caret where the mouse was.
TEST_F(TypingTest, AClickIntoAnEmptyDateBoxSelectsTheProposedDate)
{
    QTest::mouseClick(line("Text15"), Qt::LeftButton, {}, QPoint(3, 5));
    ASSERT_TRUE(line("Text15")->hasFocus());
    EXPECT_EQ(line("Text15")->selectedText(), u"12/6/2026"_s);
    QTest::keyClicks(line("Text15"), u"7/4/03"_s);
    EXPECT_EQ(line("Text15")->text(), u"7/4/03"_s);
    // A second click into a box that holds a date only places the caret.
    focus(line("Text12"));
    QTest::mouseClick(line("Text15"), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(line("Text15")->selectedText(), QString());
}

// Each kind of box keeps what it takes in its own shape, and none lets a quote in, however the
// characters come (Alt where no access key takes them); a date box's proposed date, wholly
// selected on entry, is replaced by typing.
TEST_F(TypingTest, EveryWayOfTypingMeetsTheSameRulesInEachKindOfBox)
{
    const auto keyed = [](QWidget *box, const QString &text, Qt::KeyboardModifiers modifiers) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, QString(c));
            QApplication::sendEvent(box, &press);
        }
    };
    const auto committed = [](QWidget *box, const QString &text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    };
    // Keys alone, with AltGr (Ctrl+Alt) and with Alt; nullopt: an input method commits.
    const std::optional<Qt::KeyboardModifiers> routes[] = {
        Qt::NoModifier, Qt::ControlModifier | Qt::AltModifier, Qt::AltModifier, std::nullopt};
    // box, what arrives, what the box holds afterwards
    const std::tuple<const char *, QString, QString> rows[] = {
        {"Text12", u"kb3\"qrs"_s, u"KB3QRS"_s},
        {"Text1", u"smi\"th"_s, u"Smith"_s},
        {"Text3", u"smith"_s, u"Smith"_s},
        {"Text6", u"1/\"2"_s, u"1/2"_s},
        {"Text7", u"1/\"2"_s, u"1/2"_s},
        {"Text4", u"say \"go\u0142lf\" \u20ac5"_s, u"say golf \u20ac5"_s},
        {"Text15", u"7a/-4. /2b\"0\u00e903"_s, u"7/4/2003"_s},
    };
    for (const auto &[id, text, after] : rows) {
        for (std::size_t route = 0; route < std::size(routes); ++route) {
            SCOPED_TRACE(std::string(id) + " route " + std::to_string(route));
            typeInto(id, {});
            routes[route] ? keyed(control(id), text, *routes[route]) : committed(control(id), text);
            EXPECT_EQ(textOf(control(id)), after);
        }
    }
    // The state box completes a typed or committed M to MA with the A selected, and a D then
    // makes it MD; Ctrl alone types nothing.
    typeInto("Text6", u"m"_s);
    EXPECT_EQ(std::pair(line("Text6")->text(), line("Text6")->selectedText()),
              std::pair(u"MA"_s, u"A"_s));
    QTest::keyClicks(line("Text6"), u"d"_s);
    EXPECT_EQ(line("Text6")->text(), u"MD"_s);
    typeInto("Text6", {});
    committed(line("Text6"), u"m"_s);
    EXPECT_EQ(std::pair(line("Text6")->text(), line("Text6")->selectedText()),
              std::pair(u"MA"_s, u"A"_s));
    keyed(line("Text6"), u"d"_s, Qt::ControlModifier);
    EXPECT_EQ(line("Text6")->text(), u"MA"_s);
}

} // namespace
} // namespace tessaly::testing
