#include "main_window_fixture.h"

#include <QDialog>
#include <QTimer>

namespace tessaly::testing {
namespace {

using ReportFromMainWindowTest = MainWindowTest;

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
    QTimer::singleShot(0, [&] {
        auto *report = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (report == nullptr)
            return;
        title = report->windowTitle();
        modal = report->isModal();
        desktop.messages.answerNext(Answer::Yes);
        QTest::mouseClick(report->findChild<QWidget *>(u"Command3"_s), Qt::LeftButton);
        QTest::keyClick(report, Qt::Key_Escape);
    });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::AltModifier);

    EXPECT_EQ(title, u"Database Functions"_s);
    EXPECT_TRUE(modal);
    QByteArray reset = threeMembers;
    reset.replace("\"N\",\"y\",\"Y\",\"\"", "\"N\",\"y\",\"N\",\"\"");
    EXPECT_EQ(fileBytes(), reset);
    EXPECT_EQ(listLines(), listed);
    EXPECT_EQ(session->selectedRecord(), 2);
    EXPECT_EQ(window->entryMode(), EntryMode::Record);
    EXPECT_EQ(form(), entry); // the boxes show what was loaded before the reset
    // Loading the member again shows the flag as the roll now holds it.
    clickRow(2);
    clickRow(1);
    EXPECT_FALSE(control<QCheckBox>("Check3")->isChecked());
}

} // namespace
} // namespace tessaly::testing
