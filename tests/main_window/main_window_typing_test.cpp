#include "main_window_fixture.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>

namespace tessaly::testing {
namespace {

// Typing into the entry boxes and moving between them. The fake clock's today is 12/6/2026.
class TypingTest : public MainWindowTest {
  protected:
    void SetUp() override { open(); }
};

TEST_F(TypingTest, EachKindOfBoxKeepsWhatItTakesInTheShapeItWants)
{
    // No box lets a quote in. The date box's proposed date is wholly selected: typing replaces it.
    const std::tuple<const char *, QString, QString> rows[] = {
        {"Text12", u"kb3\"qrs"_s, u"KB3QRS"_s},
        {"Text1", u"smi\"th"_s, u"Smith"_s},
        {"Text3", u"smith"_s, u"Smith"_s},
        {"Text6", u"1/\"2"_s, u"1/2"_s},
        {"Text7", u"1/\"2"_s, u"1/2"_s},
        {"Text4", u"say \"golf\""_s, u"say golf"_s},
        {"Text15", u"7a/-4. /2b\"003"_s, u"7/4/2003"_s}};
    for (const auto &[id, typed, after] : rows) {
        typeInto(id, typed);
        EXPECT_EQ(textOf(control(id)), after) << id;
    }
}

TEST_F(TypingTest, StateBoxCompletesMThenDToMD)
{
    typeInto("Text6", u"m"_s);
    EXPECT_EQ(line("Text6")->text(), u"MA"_s);
    EXPECT_EQ(line("Text6")->selectedText(), u"A"_s);
    QTest::keyClicks(line("Text6"), u"d"_s);
    EXPECT_EQ(line("Text6")->text(), u"MD"_s);
}

TEST_F(TypingTest, PastedQuotesAndForeignCharactersNeverGetIn)
{
    QGuiApplication::clipboard()->setText(u"O\"Ha\u0416ra\r\nApt \u20ac2"_s);
    for (const auto &[id, after] :
         {std::pair{"Text3", u"OHaraApt \u20ac2"_s}, std::pair{"Text4", u"OHara\nApt \u20ac2"_s}}) {
        focus(control(id));
        QTest::keyClick(control(id), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(textOf(control(id)), after) << id;
    }
}

TEST_F(TypingTest, EnterInTheAddressBoxMakesANewLineAndAddsNoOne)
{
    typeInto("Text4", u"12 Oak St"_s);
    QTest::keyClick(control("Text4"), Qt::Key_Return);
    QTest::keyClicks(control("Text4"), u"Apt 4"_s);
    EXPECT_EQ(textOf(control("Text4")), u"12 Oak St\nApt 4"_s);
    EXPECT_EQ(fileBytes(), threeMembers);
}

TEST_F(TypingTest, TabVisitsTheEntryControlsInOrderAndEmptyDateBoxesProposeToday)
{
    focus(line("Text17"));
    EXPECT_EQ(line("Text17")->selectedText(), u"12/6/2026"_s);
    focus(line("Text12"));
    for (const char *id : {"Text12", "Text1",  "Text2",  "Text3",  "Text4",  "Text5",   "Text6",
                           "Text7",  "Text9",  "Text13", "Text15", "Text14", "Text16",  "Text17",
                           "Check1", "Check2", "Check3", "Text18", "Text8",  "Command1"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(id));
        pressTab();
    }
    // Leaving each empty date box accepted its proposal.
    for (const char *id : {"Text15", "Text14", "Text17", "Text18"})
        EXPECT_EQ(line(id)->text(), u"12/6/2026"_s) << id;
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(TypingTest, LeavingADateBoxWritesTheDateAsMonthDayYearOrRefusesIt)
{
    const std::pair<QString, QString> rows[] = {
        {u" 07/04/2003 "_s, u"7/4/2003"_s}, {u"7/4"_s, u"7/4/2026"_s}, {u"   "_s, {}}};
    for (const auto &[typed, written] : rows) {
        focus(line("Text18"));
        line("Text18")->setText(typed);
        pressTab();
        EXPECT_EQ(line("Text18")->text(), written) << typed.toStdString();
    }
    EXPECT_TRUE(desktop.messages.shown.empty());

    focus(line("Text14"));
    line("Text14")->setText(u"2/30/2003"_s);
    pressTab();
    EXPECT_EQ(desktop.messages.beeps, 1);
    expectMessage(1, u"Valid Date Required."_s, u"Please enter a valid date or leave blank."_s);
    EXPECT_TRUE(line("Text14")->hasFocus());
    EXPECT_EQ(line("Text14")->text(), u"2/30/2003"_s);
}

TEST_F(TypingTest, ACheckBoxLightsItsLabelWhileItHasTheFocus)
{
    const std::pair<const char *, const char *> boxes[] = {
        {"Check1", "Label21"}, {"Check2", "Label22"}, {"Check3", "Label24"}};
    focus(control("Check1"));
    for (const auto &focused : boxes) {
        for (const auto &[check, label] : boxes)
            EXPECT_EQ(control<QLabel>(label)->palette().color(QPalette::Window),
                      check == focused.first ? QColor(0, 0, 255) : QColor(0, 0, 128))
                << label << " with the focus in " << focused.first;
        pressTab();
    }
}

// The focus that goes to another window, a menu or a popup comes back to the same box: the
// box is not left, so neither the date check nor the Quick Copy rebuild runs.
TEST_F(TypingTest, FocusLostToAMenuOrAPopupRunsNoLeaveRule)
{
    focus(line("Text14"));
    line("Text14")->setText(u"2/30/2003"_s);
    for (const Qt::FocusReason reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(line("Text14"), &out);
        EXPECT_TRUE(desktop.messages.shown.empty()) << reason;
    }
    line("Text14")->clear();
    typeInto("Text3", u"Adams"_s);
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(line("Text3"), &out);
        EXPECT_EQ(textOf(control("Text10")), QString()) << reason;
    }
    pressTab();
    EXPECT_EQ(textOf(control("Text10")), u"Adams\n\n  "_s);
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

// Characters typed with AltGr (Ctrl+Alt), with Alt where no access key takes it, or committed
// by an input method meet the same rules as plain keys.
TEST_F(TypingTest, AltGrAndInputMethodCharactersMeetTheSameRules)
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
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    // box, what arrives, what the box holds afterwards
    const std::tuple<const char *, QString, QString> rows[] = {
        {"Text15", u"7x/4\u00e9"_s, u"7/4"_s}, {"Text12", u"k3abc"_s, u"K3ABC"_s},
        {"Text3", u"smith"_s, u"Smith"_s},     {"Text4", u"a\"\u0142b"_s, u"ab"_s},
        {"Text8", u"\u20ac5"_s, u"\u20ac5"_s},
    };
    for (const auto &[id, text, after] : rows) {
        for (const int route : {0, 1, 2}) {
            SCOPED_TRACE(std::string(id) + " route " + std::to_string(route));
            typeInto(id, {});
            if (route == 0)
                keyed(control(id), text, altGr);
            else if (route == 1)
                keyed(control(id), text, Qt::AltModifier);
            else
                committed(control(id), text);
            EXPECT_EQ(textOf(control(id)), after);
        }
    }
    // The state completion works on committed text too, and Ctrl alone types nothing.
    typeInto("Text6", {});
    committed(line("Text6"), u"m"_s);
    EXPECT_EQ(std::pair(line("Text6")->text(), line("Text6")->selectedText()),
              std::pair(u"MA"_s, u"A"_s));
    keyed(line("Text6"), u"d"_s, Qt::ControlModifier);
    EXPECT_EQ(line("Text6")->text(), u"MA"_s);
}

} // namespace
} // namespace tessaly::testing
