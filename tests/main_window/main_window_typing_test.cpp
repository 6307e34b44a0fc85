#include "main_window_fixture.h"

#include <QClipboard>
#include <QFocusEvent>
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
    // Losing the focus to another window checks nothing.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(line("Text14"), &out);
    EXPECT_TRUE(desktop.messages.shown.empty());
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

} // namespace
} // namespace tessaly::testing
