#include "main_window_fixture.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

class TypingTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        open();
        show();
    }

    QLineEdit *line(const char *id) { return control<QLineEdit>(id); }
};

TEST_F(TypingTest, CallSignComesOutInCapitals)
{
    focus(line("Text12"));
    QTest::keyClicks(line("Text12"), u"kb3qrs"_s);
    EXPECT_EQ(line("Text12")->text(), u"KB3QRS"_s);
}

TEST_F(TypingTest, NameBoxesCapitaliseOnlyTheFirstLetterOfAnEmptyBox)
{
    for (const char *id : {"Text1", "Text2", "Text3", "Text5"}) {
        focus(line(id));
        QTest::keyClicks(line(id), u"smith"_s);
        EXPECT_EQ(line(id)->text(), u"Smith"_s) << id;
    }
    line("Text3")->setText(u"van"_s);
    focus(line("Text3"));
    line("Text3")->end(false);
    QTest::keyClicks(line("Text3"), u" dyke"_s);
    EXPECT_EQ(line("Text3")->text(), u"van dyke"_s);
}

TEST_F(TypingTest, StateBoxCompletesCodesAndLeavesTheRestSelected)
{
    QLineEdit *st = line("Text6");
    focus(st);
    QTest::keyClick(st, Qt::Key_M, Qt::NoModifier);
    EXPECT_EQ(st->text(), u"MA"_s);
    EXPECT_EQ(st->selectedText(), u"A"_s);
    EXPECT_EQ(st->selectionStart(), 1);
    EXPECT_EQ(st->cursorPosition(), 1);
    QTest::keyClicks(st, u"d"_s);
    EXPECT_EQ(st->text(), u"MD"_s);
    EXPECT_FALSE(st->hasSelectedText());
    EXPECT_EQ(st->cursorPosition(), 2);

    st->clear();
    QTest::keyClicks(st, u"x"_s);
    EXPECT_EQ(st->text(), u"X"_s);

    st->clear();
    QTest::keyClicks(st, u"o"_s);
    EXPECT_EQ(st->text(), u"OH"_s);
    QTest::keyClick(st, Qt::Key_Backspace);
    EXPECT_EQ(st->text(), u"O"_s);
}

TEST_F(TypingTest, ATypedQuoteNeverGetsIntoAnyBox)
{
    for (const char *id : {"Text4", "Text8"}) {
        auto *box = control<QPlainTextEdit>(id);
        focus(box);
        QTest::keyClicks(box, u"say \"golf\""_s);
        EXPECT_EQ(box->toPlainText(), u"say golf"_s) << id;
    }
    for (const char *id : {"Text12", "Text1", "Text6", "Text7", "Text15"}) {
        focus(line(id));
        line(id)->clear();
        QTest::keyClicks(line(id), u"1/\"2"_s);
        EXPECT_EQ(line(id)->text(), u"1/2"_s) << id;
    }
}

TEST_F(TypingTest, PastedQuotesAndForeignCharactersNeverGetIn)
{
    QGuiApplication::clipboard()->setText(u"O\"Ha\u0416ra\r\nApt \u20ac2"_s);
    QLineEdit *last = line("Text3");
    focus(last);
    QTest::keyClick(last, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(last->text(), u"OHaraApt \u20ac2"_s);

    auto *address = control<QPlainTextEdit>("Text4");
    focus(address);
    QTest::keyClick(address, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(address->toPlainText(), u"OHara\nApt \u20ac2"_s);
}

TEST_F(TypingTest, InputMethodTextIsFilteredToo)
{
    QInputMethodEvent toLine;
    toLine.setCommitString(u"Ren\u00e9e \"\u4E2D\""_s);
    QLineEdit *first = line("Text1");
    focus(first);
    QApplication::sendEvent(first, &toLine);
    EXPECT_EQ(first->text(), u"Ren\u00e9e "_s);

    QInputMethodEvent toBox;
    toBox.setCommitString(u"\"golf\u4E2D\""_s);
    auto *other = control<QPlainTextEdit>("Text8");
    focus(other);
    QApplication::sendEvent(other, &toBox);
    EXPECT_EQ(other->toPlainText(), u"golf"_s);
}

TEST_F(TypingTest, DateBoxesTakeDigitsAndSlashesOnly)
{
    QLineEdit *joined = line("Text15");
    focus(joined);
    joined->clear();
    QTest::keyClicks(joined, u"7a/-4. /2b003"_s);
    EXPECT_EQ(joined->text(), u"7/4/2003"_s);
    QTest::keyClick(joined, Qt::Key_Backspace);
    EXPECT_EQ(joined->text(), u"7/4/200"_s);
}

TEST_F(TypingTest, ShortcutsAndEditingKeysStillWork)
{
    QLineEdit *call = line("Text12");
    focus(call);
    QTest::keyClicks(call, u"w3abc"_s);
    QTest::keyClick(call, Qt::Key_Home);
    QTest::keyClick(call, Qt::Key_Delete);
    EXPECT_EQ(call->text(), u"3ABC"_s);
    QTest::keyClick(call, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(call->selectedText(), u"3ABC"_s);
    QTest::keyClick(call, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(call->text().isEmpty());
    QTest::keyClick(call, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(call->text(), u"3ABC"_s);
}

TEST_F(TypingTest, EnterInAMultiLineBoxMakesANewLineAndAddsNoOne)
{
    auto *address = control<QPlainTextEdit>("Text4");
    focus(address);
    QTest::keyClicks(address, u"12 Oak St"_s);
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClicks(address, u"Apt 4"_s);
    EXPECT_EQ(address->toPlainText(), u"12 Oak St\nApt 4"_s);
    EXPECT_TRUE(address->hasFocus());
    EXPECT_EQ(store.count(), 3);
    EXPECT_EQ(fileBytes(), threeMembers());
}

TEST_F(TypingTest, LeavingAnAddressBoxRebuildsTheQuickCopyBlock)
{
    auto *quick = control<QPlainTextEdit>("Text10");
    focus(line("Text12"));
    QTest::keyClicks(line("Text12"), u"k3abc"_s);
    pressTab();
    EXPECT_EQ(quick->toPlainText(), u"ARS - K3ABC\n\n\n  "_s);
    QTest::keyClicks(QApplication::focusWidget(), u"john"_s);
    pressTab();
    pressTab();
    QTest::keyClicks(QApplication::focusWidget(), u"adams"_s);
    pressTab();
    QTest::keyClicks(QApplication::focusWidget(), u"12 Oak St"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), u"Apt 4"_s);
    pressTab();
    EXPECT_EQ(quick->toPlainText(), u"ARS - K3ABC\nJohn Adams\n12 Oak St\nApt 4\n  "_s);

    // Leaving a box that is not part of the address does not touch the block.
    focus(line("Text9"));
    quick->setPlainText(u"kept"_s);
    pressTab();
    EXPECT_EQ(quick->toPlainText(), u"kept"_s);
}

} // namespace
} // namespace tessaly::testing
