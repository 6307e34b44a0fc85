#include "main_window_fixture.h"

#include <QDialog>
#include <QTimer>

#include <functional>

namespace tessaly::testing {
namespace {

class ReportFromMainWindowTest : public MainWindowTest {
  protected:
    // Runs act on the modal window that the next command opens, once it is up; a message
    // box that the window shows on its way up is not that window.
    static void whenModalUp(std::function<void(QWidget *)> act, int tries = 500)
    {
        QTimer::singleShot(10, [act, tries] {
            QWidget *up = QApplication::activeModalWidget();
            if (up != nullptr && up->objectName() != fakeMessageBoxName())
                act(up);
            else if (tries > 0)
                whenModalUp(act, tries - 1);
        });
    }
};

// Alt+Q opens "Database Functions" modally over the main window; a dues reset there is saved,
// and the main window's own listing, selection and entry area stay as the operator left them.
TEST_F(ReportFromMainWindowTest, AltQOpensTheReportAndTheMainWindowKeepsItsListing)
{
    open();
    typeInto("Text11", u"ar"_s); // Mary Baker and Carl Carter

    const QStringList listed = listLines();
    ASSERT_EQ(listed, (QStringList{u"Baker, Mary "_s, u"Carter, Carl  - N3XYZ"_s}));
    clickRow(1);
    ASSERT_EQ(session->selectedRecord(), 2);
    const QString entry = form();

    QString title;
    bool modal = false;
    whenModalUp([&](QWidget *report) {
        title = report->windowTitle();
        modal = qobject_cast<QDialog *>(report) && report->isModal();
        desktop.messages.answerNext(Answer::Yes);
        QTest::mouseClick(report->findChild<QWidget *>(u"Command3"_s), Qt::LeftButton);
        QTest::keyClick(report, Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::AltModifier);

    EXPECT_EQ(title, u"Database Functions"_s);
    EXPECT_TRUE(modal);
    QByteArray reset = threeMembers;
    reset.replace("\"N\",\"y\",\"Y\",\"\"", "\"N\",\"y\",\"N\",\"\"");
    EXPECT_EQ(roll(), reset);
    EXPECT_EQ(listLines(), listed);
    EXPECT_EQ(session->selectedRecord(), 2);
    EXPECT_EQ(window->entryMode(), EntryMode::Record);
    EXPECT_EQ(form(), entry); // the boxes show what was loaded before the reset
    // Loading the member again shows the flag as the roll now holds it.
    clickRow(2);
    clickRow(1);
    EXPECT_FALSE(control<QCheckBox>("Check3")->isChecked());
}

// "&Print List" opens " Label Format" for the listed members; closing it with Escape gives the
// focus back to the Call box. "&Help" opens the help page the same way, showing readtess.txt
// with its CR LF line breaks as the page's, read-only, without the copy writer's button, until
// Close.
TEST_F(ReportFromMainWindowTest, PrintListAndHelpOpenTheirWindowsModally)
{
    files.write(u"readtess.txt"_s, "Caf\351\r\nHelp");
    open();
    QStringList seen;
    const auto closeWhenUp = [&](QWidget *up) {
        seen << up->windowTitle();
        if (const auto *text = up->findChild<QPlainTextEdit *>(u"Text1"_s)) {
            seen << text->toPlainText();
            EXPECT_TRUE(text->isReadOnly());
            EXPECT_FALSE(up->findChild<QWidget *>(u"Command2"_s)->isVisible());
            QTest::mouseClick(up->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);
        } else {
            QTest::keyClick(up, Qt::Key_Escape);
        }
    };
    line("Text3")->setFocus();
    whenModalUp(closeWhenUp);
    click("Command7");
    // The focus waits in the Call box for the main window to be active again.
    EXPECT_EQ(window->focusWidget(), line("Text12"));
    showActive();
    whenModalUp(closeWhenUp);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(seen, (QStringList{u" Label Format"_s, u"Help Page"_s, u"Caf\u00e9\nHelp"_s}));
}

} // namespace
} // namespace tessaly::testing
