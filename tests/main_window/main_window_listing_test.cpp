#include "main_window/listed_members.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

QByteArray dunnRecord()
{
    return fileRecord({"W3NEW", "Dora", "", "Dunn", "1 Main St\r\nUnit 4", "Media", "PA", "19063",
                       "", "", "", "", "", "", "", "N", "N", "Y", ""});
}

class ListingTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        open(threeMembers() + dunnRecord());
        show();
    }

    void search(const QString &text)
    {
        QLineEdit *box = control<QLineEdit>("Text11");
        focus(box);
        box->clear();
        QTest::keyClicks(box, text);
    }
};

TEST_F(ListingTest, SearchIgnoresLetterCaseAndSkipsDatesAndFlags)
{
    search(u"adams"_s);
    EXPECT_EQ(listLines(), QStringList{u"Adams, John Q - K3ABC"_s});
    search(u"ADAMS"_s);
    EXPECT_EQ(listLines(), QStringList{u"Adams, John Q - K3ABC"_s});
    // 1999 and 2026 stand only in Adams's dates; "/" only in dates.
    search(u"1999"_s);
    EXPECT_TRUE(listLines().isEmpty());
    search(u"/"_s);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(window->listedMembers().listedCount(), 0);
    EXPECT_TRUE(control<QLineEdit>("Text11")->hasFocus());
}

TEST_F(ListingTest, SearchRelistsOnEveryKeystrokeWithTheTextUntrimmed)
{
    QLineEdit *box = control<QLineEdit>("Text11");
    focus(box);
    QTest::keyClicks(box, u"m"_s);
    EXPECT_EQ(listLines().size(), 4);
    QTest::keyClicks(box, u"e"_s);
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Carter, Carl  - N3XYZ"_s,
                                        u"Dunn, Dora  - W3NEW"_s}));
    search(u" st"_s);
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s,
                                        u"Dunn, Dora  - W3NEW"_s}));
    EXPECT_EQ(box->text(), u" st"_s);
}

TEST_F(ListingTest, ExportsWriteExactlyTheListedMembers)
{
    search(u"media"_s);
    ASSERT_EQ(window->listedMembers().rowRecords(), (std::vector<int>{1, 3, 4}));
    click("Command6");
    EXPECT_EQ(
        files.read(u"Address.txt"_s),
        QByteArray("ARS K3ABC \r\nJohn Q Adams\r\n12 Oak St\r\nMedia PA 19063\r\n\r\n"
                   "ARS N3XYZ \r\nCarl Carter\r\n9 Pine Rd\r\nMedia PA 19063\r\n\r\n"
                   "ARS W3NEW \r\nDora Dunn\r\n1 Main St\r\nUnit 4\r\nMedia PA 19063\r\n\r\n"));
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());

    click("Command8");
    const QStringList lines = desktop.clipboard.text.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_TRUE(lines[0].startsWith(u"K3ABC\tJohn\tQ\tAdams\t"_s));
    EXPECT_TRUE(lines[1].startsWith(u"N3XYZ\tCarl\t\tCarter\t"_s));
    EXPECT_TRUE(lines[2].startsWith(u"W3NEW\tDora\t\tDunn\t1 Main St, Unit 4\t"_s));
    EXPECT_EQ(desktop.clipboard.clears, 1);
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(fileBytes(), threeMembers() + dunnRecord());
}

TEST_F(ListingTest, NothingListedGivesAnEmptyAddressFileAndClipboard)
{
    files.write(u"Address.txt"_s, "old contents");
    search(u"no such member"_s);
    click("Command6");
    EXPECT_TRUE(files.exists(u"Address.txt"_s));
    EXPECT_EQ(files.read(u"Address.txt"_s), QByteArray());
    desktop.clipboard.text = u"old"_s;
    click("Command8");
    EXPECT_EQ(desktop.clipboard.text, QString());
}

TEST_F(ListingTest, EnteringTheSearchBoxEmptiesTheFormButLeavesTheList)
{
    search(u"media"_s);
    clickRow(3);
    ASSERT_EQ(window->entryMode(), EntryMode::Record);
    ASSERT_FALSE(control<QPlainTextEdit>("Text10")->toPlainText().isEmpty());
    control<QLineEdit>("Text1")->setText(u"Changed"_s);

    focus(control<QLineEdit>("Text11"));
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (box->objectName() != u"Text11") {
            EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        }
    }
    EXPECT_TRUE(control<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("Text10")->toPlainText().isEmpty());
    EXPECT_FALSE(control<QCheckBox>("Check3")->isChecked());
    EXPECT_EQ(window->entryMode(), EntryMode::Add);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Add"_s);
    EXPECT_TRUE(control<QLineEdit>("Text11")->hasFocus());
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), u"media"_s);
    EXPECT_EQ(listLines().size(), 3);
    EXPECT_EQ(fileBytes(), threeMembers() + dunnRecord());
}

TEST_F(ListingTest, ListAllAndListAllVotingReplaceTheListAndClearTheForm)
{
    clickRow(1);
    click("Command9");
    // Voting "Y" or "y": Adams and Baker.
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s}));
    EXPECT_EQ(window->listedMembers().rowRecords(), (std::vector<int>{1, 2}));
    EXPECT_EQ(window->entryMode(), EntryMode::Add);
    EXPECT_TRUE(control<QLineEdit>("Text3")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());

    search(u"dunn"_s);
    click("Command3");
    EXPECT_EQ(listLines().size(), 4);
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), u"dunn"_s);
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());
}

TEST_F(ListingTest, SelectingARowOfASearchLoadsThatMember)
{
    search(u"media"_s);
    clickRow(2);
    EXPECT_EQ(window->selectedRecord(), 3);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), u"Carter"_s);
}

TEST_F(ListingTest, CopyToClipboardTakesTheQuickCopyTextWithCrLf)
{
    clickRow(4);
    click("Command5");
    EXPECT_EQ(desktop.clipboard.clears, 1);
    EXPECT_EQ(desktop.clipboard.text,
              u"ARS - W3NEW\r\nDora Dunn\r\n1 Main St\r\nUnit 4\r\nMedia PA 19063"_s);
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());
}

TEST_F(ListingTest, AClipboardThatCannotBeSetIsReportedAndNothingElseChanges)
{
    desktop.clipboard.failing = true;
    clickRow(1);
    click("Command5");
    click("Command8");
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    for (const ShownMessage &message : desktop.messages.shown) {
        EXPECT_EQ(message.title, clipboardFailureTitle());
        EXPECT_EQ(message.text, clipboardFailureMessage());
    }
    EXPECT_EQ(fileBytes(), threeMembers() + dunnRecord());
    EXPECT_EQ(listLines().size(), 4);
}

TEST_F(ListingTest, AnAddressFileThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(QDir(files.dir()).mkdir(u"Address.txt"_s));
    click("Command6");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].title, addressFileFailureTitle());
    EXPECT_TRUE(desktop.messages.shown[0].text.contains(u"Address.txt"_s));
    EXPECT_EQ(fileBytes(), threeMembers() + dunnRecord());
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());
}

} // namespace
} // namespace tessaly::testing
