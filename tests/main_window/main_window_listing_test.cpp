#include "main_window_fixture.h"
#include "roll/roll_messages.h"

#include <QDir>
#include <QMenu>
#include <QTimer>

namespace tessaly::testing {
namespace {

// Octal 240 is a no-break space, which every export must keep.
const QByteArray dunnRecord =
    fileRecord({"W3NEW", "Dora", "", "Dunn", "1 Main St\r\nUnit\2404", "Media", "PA", "19063", "",
                "", "", "", "", "", "", "N", "N", "Y", ""});
const QString adams = u"Adams, John Q - K3ABC"_s, baker = u"Baker, Mary "_s,
              carter = u"Carter, Carl  - N3XYZ"_s, dunn = u"Dunn, Dora  - W3NEW"_s;

class ListingTest : public MainWindowTest {
  protected:
    void SetUp() override { open(threeMembers + dunnRecord); }
};

TEST_F(ListingTest, SearchIgnoresLetterCaseAndSkipsDatesAndFlags)
{
    // 1999 is only in Adams's dates, "/" only in dates, Adams's and Dunn's "y" only in flags.
    const std::pair<QString, QStringList> rows[] = {{u"adams"_s, {adams}},
                                                    {u"ADAMS"_s, {adams}},
                                                    {u"1999"_s, {}},
                                                    {u"/"_s, {}},
                                                    {u"y"_s, {baker, carter}}};
    for (const auto &[text, listed] : rows) {
        typeInto("Text11", text);
        EXPECT_EQ(listLines(), listed) << text.toStdString();
    }
}

TEST_F(ListingTest, ExportsTakeExactlyTheListedMembers)
{
    typeInto("Text11", u"media"_s);
    ASSERT_EQ(listLines(), (QStringList{adams, carter, dunn}));
    clickRow(3);
    click("Command5");
    EXPECT_EQ(desktop.clipboard.text,
              u"ARS - W3NEW\r\nDora Dunn\r\n1 Main St\r\nUnit\u00a04\r\nMedia PA 19063"_s);
    click("Command6");
    EXPECT_EQ(
        files.read(u"Address.txt"_s),
        QByteArray("ARS K3ABC \r\nJohn Q Adams\r\n12 Oak St\r\nMedia PA 19063\r\n\r\n"
                   "ARS N3XYZ \r\nCarl Carter\r\n9 Pine Rd\r\nMedia PA 19063\r\n\r\n"
                   "ARS W3NEW \r\nDora Dunn\r\n1 Main St\r\nUnit\2404\r\nMedia PA 19063\r\n\r\n"));
    click("Command8");
    QStringList copied;
    for (const QString &copiedLine : desktop.clipboard.text.split(u"\r\n"_s))
        copied << copiedLine.section(u'\t', 0, 4);
    EXPECT_EQ(copied, (QStringList{u"K3ABC\tJohn\tQ\tAdams\t12 Oak St"_s,
                                   u"N3XYZ\tCarl\t\tCarter\t9 Pine Rd"_s,
                                   u"W3NEW\tDora\t\tDunn\t1 Main St, Unit\u00a04"_s,
                                   {}}));
    EXPECT_TRUE(desktop.messages.shown.empty());
}

// The File menu's exports take the listed members too, in list order, each by its own access
// key, and give the focus back to the Call box.
TEST_F(ListingTest, TheFileMenusExportsTakeTheListedMembers)
{
    const QMenu *file = window->findChild<QMenu *>(u"mnuFile"_s);
    ASSERT_NE(file, nullptr);
    QStringList keys;
    for (const QAction *action : file->actions()) {
        if (!action->isSeparator())
            keys << QKeySequence::mnemonic(action->text()).toString();
    }
    EXPECT_EQ(keys, (QStringList{u"Alt+I"_s, u"Alt+P"_s, u"Alt+M"_s, u"Alt+D"_s, u"Alt+E"_s}));

    typeInto("Text11", u"media"_s);
    const auto trigger = [this](const char *name) {
        window->findChild<QAction *>(QString::fromLatin1(name))->trigger();
        // A closed preview gives the window back its activation as a window manager would.
        if (QApplication::activeWindow() == nullptr || !QApplication::activeWindow()->isVisible())
            window->activateWindow();
        settle();
        EXPECT_TRUE(line("Text12")->hasFocus()) << name;
    };
    desktop.files.answers.push_back(files.path(u"Members.csv"_s));
    trigger("mnuExport");
    const QList<QByteArray> rows = files.read(u"Members.csv"_s).split('\n');
    ASSERT_EQ(rows.size(), 6); // Dunn's address holds a line break
    EXPECT_TRUE(rows[1].startsWith("K3ABC,") && rows[2].startsWith("N3XYZ,") &&
                rows[3].startsWith("W3NEW,"));
    expectMessage(1, u"Members Exported"_s);

    trigger("mnuEmail");
    EXPECT_EQ(desktop.clipboard.text, u"ja@example.org"_s);
    expectMessage(2, u"E-mail Addresses Copied"_s);

    QTimer::singleShot(50, [] {
        if (QWidget *preview = QApplication::activeModalWidget())
            QTest::mouseClick(preview->findChild<QPushButton *>(u"PreviewPrint"_s),
                              Qt::LeftButton);
    });
    trigger("mnuDirectory");
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    EXPECT_EQ(desktop.printer.jobs[0].pages[0].texts.filter(u"Media PA 19063"_s).size(), 3);
}

// Entering the search box empties the form but leaves the list; List All Voting and List All
// replace the list and clear the form.
TEST_F(ListingTest, TheSearchBoxAndTheListCommandsEmptyTheForm)
{
    typeInto("Text11", u"media"_s);
    clickRow(2);
    ASSERT_EQ(line("Text3")->text(), u"Carter"_s);
    focus(line("Text11"));
    expectEmptyFormInAddMode();
    EXPECT_EQ(line("Text11")->text(), u"media"_s);
    EXPECT_EQ(listLines(), (QStringList{adams, carter, dunn}));

    clickRow(1);
    click("Command9");
    EXPECT_EQ(listLines(), (QStringList{adams, baker})); // Voting "Y" or "y"
    expectEmptyFormInAddMode();
    typeInto("Text11", u"dunn"_s);
    click("Command3");
    EXPECT_EQ(listLines(), (QStringList{adams, baker, carter, dunn}));
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(ListingTest, AClipboardOrAddressFileThatCannotBeWrittenIsReported)
{
    const QString kClipboardMessage =
        u"The clipboard could not be set, so nothing was copied.\n\nNothing in the member roll "
        u"was changed. Try the copy again in a moment."_s;
    desktop.clipboard.failing = true;
    ASSERT_TRUE(QDir(files.dir()).mkdir(u"Address.txt"_s));
    clickRow(1);
    click("Command5");
    expectMessage(1, u"Clipboard Not Available"_s, kClipboardMessage);
    click("Command8");
    expectMessage(2, u"Clipboard Not Available"_s, kClipboardMessage);
    click("Command6");
    expectMessage(3, u"Address File Not Written"_s);
    EXPECT_EQ(desktop.messages.shown.back().text,
              u"The listed addresses could not be written to the file "_s + files.dir() +
                  u"/Address.txt.\n\nReason: a folder named Address.txt stands where the file "
                  u"should go\n\nNothing in the member roll was changed, and an earlier copy of "
                  u"the address file, if there was one, is left as it was."_s);
}

} // namespace
} // namespace tessaly::testing
