#include "main_window/main_window_controls.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

class FocusTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        desktop.clock.date = QDate(2026, 12, 6);
        open();
        show();
    }

    QLineEdit *line(const char *id) { return control<QLineEdit>(id); }
};

TEST_F(FocusTest, TabVisitsTheEntryControlsInTableOrder)
{
    focus(line("Text12"));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < 19; ++i) {
        pressTab();
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{u"Text12"_s, u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s,
                                    u"Text5"_s, u"Text6"_s, u"Text7"_s, u"Text9"_s, u"Text13"_s,
                                    u"Text15"_s, u"Text14"_s, u"Text16"_s, u"Text17"_s, u"Check1"_s,
                                    u"Check2"_s, u"Check3"_s, u"Text18"_s, u"Text8"_s}));
    // Tabbing through the empty date boxes accepted the date each one proposed.
    for (const char *id : {"Text15", "Text14", "Text17", "Text18"})
        EXPECT_EQ(line(id)->text(), u"12/6/2026"_s) << id;
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(FocusTest, AnEmptyDateBoxProposesTodayWhollySelected)
{
    for (const char *id : {"Text15", "Text14", "Text17", "Text18"}) {
        focus(line(id));
        EXPECT_EQ(line(id)->text(), u"12/6/2026"_s) << id;
        EXPECT_EQ(line(id)->selectedText(), u"12/6/2026"_s) << id;
    }
    // Typing replaces the proposal.
    QTest::keyClicks(line("Text18"), u"3/1/1950"_s);
    EXPECT_EQ(line("Text18")->text(), u"3/1/1950"_s);
}

TEST_F(FocusTest, ADateBoxHoldingTextIsLeftAloneOnEntry)
{
    line("Text14")->setText(u"1/2/2020"_s);
    focus(line("Text14"));
    EXPECT_EQ(line("Text14")->text(), u"1/2/2020"_s);
}

TEST_F(FocusTest, AClickIntoAnEmptyDateBoxKeepsTheProposalSelected)
{
    QLineEdit *joined = line("Text15");
    QTest::mouseClick(joined, Qt::LeftButton, Qt::NoModifier, QPoint(5, joined->height() / 2));
    EXPECT_TRUE(joined->hasFocus());
    EXPECT_EQ(joined->text(), u"12/6/2026"_s);
    EXPECT_EQ(joined->selectedText(), u"12/6/2026"_s);
}

TEST_F(FocusTest, LeavingAnInvalidDateBeepsSaysSoAndReturnsTheFocus)
{
    QLineEdit *expires = line("Text14");
    focus(expires);
    expires->setText(u"2/30/2003"_s);
    bool focusedWhileShown = true;
    desktop.messages.onShow = [&](const ShownMessage &) {
        focusedWhileShown = expires->hasFocus();
    };
    pressTab();
    EXPECT_EQ(desktop.messages.beeps, 1);
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].text, u"Please enter a valid date or leave blank."_s);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Valid Date Required."_s);
    EXPECT_FALSE(desktop.messages.shown[0].question);
    EXPECT_FALSE(focusedWhileShown);
    EXPECT_TRUE(expires->hasFocus());
    EXPECT_EQ(expires->text(), u"2/30/2003"_s);
    // The box the Tab was heading for was never entered: it proposed no date.
    EXPECT_TRUE(line("Text16")->text().isEmpty());

    expires->setText(u" 13/45/2003 "_s);
    pressTab();
    EXPECT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_EQ(expires->text(), u"13/45/2003"_s);
    EXPECT_TRUE(expires->hasFocus());
}

TEST_F(FocusTest, LeavingADateBoxWritesTheDateAsMonthDayYear)
{
    QLineEdit *dob = line("Text18");
    focus(dob);
    dob->setText(u" 07/04/2003 "_s);
    pressTab();
    EXPECT_EQ(dob->text(), u"7/4/2003"_s);

    focus(dob);
    dob->setText(u"7/4"_s);
    pressTab();
    EXPECT_EQ(dob->text(), u"7/4/2026"_s);

    focus(dob);
    dob->setText(u"   "_s);
    pressTab();
    EXPECT_TRUE(dob->text().isEmpty());
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(FocusTest, LosingTheFocusToAnotherWindowOrAMenuChecksNothing)
{
    QLineEdit *joined = line("Text15");
    focus(joined);
    joined->setText(u"2/30/2003"_s);
    for (const Qt::FocusReason reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(joined, &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(joined, &in);
    }
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(joined->text(), u"2/30/2003"_s);
    // The operator leaving it afterwards is checked as usual.
    pressTab();
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
}

TEST_F(FocusTest, ACheckBoxLightsItsLabelWhileItHasTheFocus)
{
    const std::pair<const char *, const char *> pairs[] = {
        {"Check1", "Label21"}, {"Check2", "Label22"}, {"Check3", "Label24"}};
    for (const auto &[check, label] : pairs) {
        focus(control<QCheckBox>(check));
        EXPECT_EQ(control<QLabel>(label)->palette().color(QPalette::Window), QColor(0, 0, 255))
            << label;
        focus(line("Text12"));
        EXPECT_EQ(control<QLabel>(label)->palette().color(QPalette::Window), QColor(0, 0, 128))
            << label;
    }
    focus(control<QCheckBox>("Check1"));
    pressTab();
    EXPECT_EQ(control<QLabel>("Label21")->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(control<QLabel>("Label22")->palette().color(QPalette::Window), QColor(0, 0, 255));
}

} // namespace
} // namespace tessaly::testing
