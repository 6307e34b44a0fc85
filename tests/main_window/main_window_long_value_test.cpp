#include "main_window_fixture.h"

#include <QLineEdit>

namespace tessaly::testing {
namespace {

// Values another program wrote, longer than a box can hold: the box shows their beginning and
// cannot be edited, and recording the member keeps them whole.
class LongValueTest : public MainWindowTest {
  protected:
    static QByteArray repeated(const QByteArray &piece, int length)
    {
        QByteArray value;
        while (value.size() < length)
            value += piece;
        value.truncate(length);
        return value;
    }

    const QByteArray city = repeated("Media ", 40000);
    const QByteArray other = repeated("note text\r\n", 100000);
    const QByteArray licenceExpires = repeated("7/4/2030 ", 33000);

    QByteArray adamsWith(const QByteArray &call) const
    {
        return fileRecord({call, "John", "Q", "Adams", "12 Oak St", city, "PA", "19063",
                           "610-555-0101", other, "ja@example.org", "12/31/2026", "1/5/1999",
                           "General", licenceExpires, "Y", "Y", "N", "2/29/1960"});
    }
};

TEST_F(LongValueTest, BoxesShowTheBeginningAndRecordingKeepsTheWholeValue)
{
    open(adamsWith("K3ABC") + bakerRecord + carterRecord);
    clickRow(1);

    struct Box {
        const char *id;
        QByteArray value;
        const char *length;
    };
    for (const Box &box : {Box{"Text5", city, "40,000"}, Box{"Text8", other, "100,000"},
                           Box{"Text17", licenceExpires, "33,000"}}) {
        SCOPED_TRACE(box.id);
        QWidget *shown = control(box.id);
        const QString text = textOf(shown);
        EXPECT_EQ(text.size(), 32767 - (box.id == std::string("Text8") ? text.count(u'\n') : 0));
        EXPECT_TRUE(QString::fromLatin1(box.value).replace(u"\r\n"_s, u"\n"_s).startsWith(text));
        EXPECT_TRUE(shown->property("readOnly").toBool());
        EXPECT_TRUE(shown->toolTip().contains(QString::fromLatin1(box.length))) << shown->toolTip().toStdString();

        // Typing and pasting change nothing; leaving the date box asks nothing.
        focus(shown);
        QTest::keyClicks(shown, u"zz"_s);
        QTest::keyClick(shown, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(textOf(shown) == text) << "the box took typing";
        pressTab();
    }
    EXPECT_TRUE(desktop.messages.shown.empty());

    typeInto("Text12", u"K3ABD"_s);
    QTest::keyClick(line("Text12"), Qt::Key_Return);
    settle();
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_TRUE(roll() == adamsWith("K3ABD") + bakerRecord + carterRecord)
        << "recording lost part of a long value";

    // The next member's boxes take typing again, with their own tooltips.
    clickRow(2);
    EXPECT_FALSE(line("Text5")->isReadOnly());
    EXPECT_FALSE(control("Text8")->property("readOnly").toBool());
    EXPECT_TRUE(control("Text8")->toolTip().startsWith(u"Give thought"_s));
    EXPECT_TRUE(line("Text5")->toolTip().isEmpty());
    typeInto("Text5", u"Chester Heights"_s);
    EXPECT_EQ(line("Text5")->text(), u"Chester Heights"_s);
}

} // namespace
} // namespace tessaly::testing
