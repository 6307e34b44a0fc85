#include "main_window_fixture.h"
#include "roll/roll_messages.h"

#include <QDir>
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

// The search box lists whom the text finds; the buttons' and the File menu's exports take
// exactly the listed members in list order, the copies reach the clipboard, and each menu
// command gives the focus back to the Call box.
TEST_F(ListingTest, SearchListsTheFoundAndTheExportsTakeExactlyThem)
{
    typeInto("Text11", u"MEDIA"_s);
    ASSERT_EQ(listLines(), (QStringList{adams, carter, dunn}));
    clickRow(3);
    click("Command5");
    EXPECT_EQ(desktop.clipboard.text,
              u"ARS - W3NEW\r\nDora Dunn\r\n1 Main St\r\nUnit\u00a04\r\nMedia PA 19063"_s);
    click("Command6");
    const QByteArray address = files.read(u"Address.txt"_s);
    EXPECT_TRUE(address.startsWith("ARS K3ABC \r\n") && address.contains("\nARS N3XYZ \r\n") &&
                address.endsWith("Unit\2404\r\nMedia PA 19063\r\n\r\n"));
    EXPECT_EQ(address.count("ARS "), 3);
    click("Command8");
    EXPECT_TRUE(desktop.clipboard.text.startsWith(u"K3ABC\t"_s));
    EXPECT_EQ(desktop.clipboard.text.count(u"\r\n"_s), 3);

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
    trigger("mnuEmail");
    EXPECT_EQ(desktop.clipboard.text, u"ja@example.org"_s);
    QTimer::singleShot(50, [] {
        if (QWidget *preview = QApplication::activeModalWidget())
            QTest::mouseClick(preview->findChild<QPushButton *>(u"PreviewPrint"_s), Qt::LeftButton);
    });
    trigger("mnuDirectory");
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    const QStringList &printed = desktop.printer.jobs[0].pages[0].texts;
    EXPECT_EQ(printed.filter(u"Media PA 19063"_s).size(), 3);
    EXPECT_TRUE(printed.filter(u"Chester"_s).isEmpty()); // Baker is not listed
    EXPECT_EQ(desktop.messages.shown.size(), 2u); // the export's and the e-mail's reports
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
    desktop.clipboard.failing = true;
    ASSERT_TRUE(QDir(files.dir()).mkdir(u"Address.txt"_s));
    clickRow(1);
    click("Command5");
    expectMessage(1, u"Clipboard Not Available"_s,
                  u"The clipboard could not be set, so nothing was copied.\n\nNothing in the "
                  u"member roll was changed. Try the copy again in a moment."_s);
    click("Command8");
    expectMessage(2, u"Clipboard Not Available"_s);
    click("Command6");
    expectMessage(3, u"Address File Not Written"_s,
                  u"The listed addresses could not be written to the file "_s + files.dir() +
                      u"/Address.txt.\n\nReason: a folder named Address.txt stands where the "
                      u"file should go\n\nNothing in the member roll was changed, and an earlier "
                      u"copy of the address file, if there was one, is left as it was."_s);
}

} // namespace
} // namespace tessaly::testing
