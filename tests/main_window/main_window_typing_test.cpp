#include "main_window_fixture.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>

#include <functional>
#include <string_view>

namespace tessaly::testing {
namespace {

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
    focus(line("Text18"));
    line("Text18")->setText(u" 7/4 "_s);
    pressTab();
    EXPECT_EQ(line("Text18")->text(), u"7/4/2026"_s);
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

// Each check box's label lights while the box has the focus.
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
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

// Each kind of box keeps what it takes in the shape it wants, and no box lets a quote in,
// whether the characters come as plain keys, with AltGr (Ctrl+Alt), with Alt where no access key
// takes them, or committed by an input method. A date box's proposed date is wholly selected on
// entry: typing replaces it.
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
    const std::function<void(QWidget *, const QString &)> routes[] = {
        [&](QWidget *box, const QString &text) { keyed(box, text, Qt::NoModifier); },
        [&](QWidget *box, const QString &text) {
            keyed(box, text, Qt::ControlModifier | Qt::AltModifier); // AltGr
        },
        [&](QWidget *box, const QString &text) { keyed(box, text, Qt::AltModifier); },
        committed,
    };
    // box, what arrives, what the box holds afterwards
    const std::tuple<const char *, QString, QString> rows[] = {
        {"Text12", u"kb3\"qrs"_s, u"KB3QRS"_s},
        {"Text1", u"smi\"th"_s, u"Smith"_s},
        {"Text3", u"smith"_s, u"Smith"_s},
        {"Text6", u"1/\"2"_s, u"1/2"_s},
        {"Text7", u"1/\"2"_s, u"1/2"_s},
        {"Text4", u"say \"go\u0142lf\""_s, u"say golf"_s},
        {"Text15", u"7a/-4. /2b\"0\u00e903"_s, u"7/4/2003"_s},
        {"Text8", u"\u20ac5"_s, u"\u20ac5"_s},
    };
    for (const auto &[id, text, after] : rows) {
        for (std::size_t route = 0; route < std::size(routes); ++route) {
            SCOPED_TRACE(std::string(id) + " route " + std::to_string(route));
            typeInto(id, {});
            routes[route](control(id), text);
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
