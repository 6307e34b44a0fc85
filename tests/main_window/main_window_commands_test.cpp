#include "file_size_cap.h"
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

class CommandsTest : public MainWindowTest {
  protected:
    void openAndShow(const std::optional<QByteArray> &roll = threeMembers())
    {
        open(roll);
        show();
    }

    QLineEdit *line(const char *id) { return control<QLineEdit>(id); }

    // The entry area as the operator sees it after a completed command.
    void expectEmptyFormInAddMode()
    {
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (box->objectName() != u"Text11") {
                EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
            }
        }
        for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
            EXPECT_TRUE(box->toPlainText().isEmpty()) << box->objectName().toStdString();
        for (QCheckBox *box : window->findChildren<QCheckBox *>())
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_EQ(window->entryMode(), EntryMode::Add);
        EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Add"_s);
    }
};

TEST_F(CommandsTest, AddWithEveryBoxEmptyStoresEmptyValuesAndThreeNoFlags)
{
    openAndShow(QByteArray());
    click("Command1");
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(fileBytes(), QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                      "\"\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n"));
    EXPECT_EQ(listLines(), QStringList{u",  "_s});
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(CommandsTest, AnAddThatSortsFirstLandsFirstInFileAndList)
{
    openAndShow();
    typeInto("Text12", u"w1aw"_s);
    typeInto("Text3", u"aaron"_s);
    focus(control<QCheckBox>("Check3"));
    QTest::keyClick(control<QCheckBox>("Check3"), Qt::Key_Space);
    focus(line("Text3"));
    QTest::keyClick(line("Text3"), Qt::Key_Return);

    EXPECT_EQ(fileBytes(), fileRecord({"W1AW", "", "", "Aaron", "", "", "", "", "", "", "", "", "",
                                       "", "", "N", "N", "Y", ""}) +
                               threeMembers());
    EXPECT_EQ(listLines().first(), u"Aaron,   - W1AW"_s);
    EXPECT_EQ(listLines().size(), 4);
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(CommandsTest, SelectingALineLoadsTheMemberForEditing)
{
    openAndShow();
    clickRow(1);
    EXPECT_EQ(window->selectedRecord(), 1);
    EXPECT_EQ(window->entryMode(), EntryMode::Record);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Record"_s);
    EXPECT_TRUE(control<QListView>("List1")->hasFocus());
    const std::pair<const char *, QString> boxes[] = {
        {"Text12", u"K3ABC"_s},      {"Text1", u"John"_s},         {"Text2", u"Q"_s},
        {"Text3", u"Adams"_s},       {"Text5", u"Media"_s},        {"Text6", u"PA"_s},
        {"Text7", u"19063"_s},       {"Text9", u"610-555-0101"_s}, {"Text13", u"ja@example.org"_s},
        {"Text14", u"12/31/2026"_s}, {"Text15", u"1/5/1999"_s},    {"Text16", u"General"_s},
        {"Text17", u"7/4/2030"_s},   {"Text18", u"2/29/1960"_s}};
    for (const auto &[id, text] : boxes)
        EXPECT_EQ(line(id)->text(), text) << id;
    EXPECT_EQ(control<QPlainTextEdit>("Text4")->toPlainText(), u"12 Oak St"_s);
    EXPECT_EQ(control<QPlainTextEdit>("Text8")->toPlainText(), u"golf"_s);
    EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Check3")->isChecked());
    EXPECT_EQ(control<QPlainTextEdit>("Text10")->toPlainText(),
              u"ARS - K3ABC\nJohn Q Adams\n12 Oak St\nMedia PA 19063"_s);
    EXPECT_EQ(fileBytes(), threeMembers());

    // The arrow keys choose the next line the same way; its address keeps its two lines.
    QTest::keyClick(control<QListView>("List1"), Qt::Key_Down);
    EXPECT_EQ(window->selectedRecord(), 2);
    EXPECT_EQ(control<QPlainTextEdit>("Text4")->toPlainText(), u"5 Elm St\nApt 2"_s);
    EXPECT_EQ(control<QPlainTextEdit>("Text10")->toPlainText(),
              u"Mary Baker\n5 Elm St\nApt 2\nChester PA 19013"_s);
}

TEST_F(CommandsTest, RecordingAChangedNameMovesTheMemberAndRewritesTheFile)
{
    openAndShow();
    clickRow(1);
    line("Text3")->setText(u"Zimmer"_s);
    click("Command1");

    QByteArray zimmer = adamsRecord();
    zimmer.replace("\"Adams\"", "\"Zimmer\"");
    EXPECT_EQ(fileBytes(), bakerRecord() + carterRecord() + zimmer);
    EXPECT_EQ(listLines(), (QStringList{u"Baker, Mary "_s, u"Carter, Carl  - N3XYZ"_s,
                                        u"Zimmer, John Q - K3ABC"_s}));
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
    // The selection followed the member to the slot it now holds.
    EXPECT_EQ(window->selectedRecord(), 3);
}

TEST_F(CommandsTest, ALowerCaseYTicksItsBoxAndIsRecordedAsCapital)
{
    openAndShow();
    clickRow(2);
    EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("Check3")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    click("Command1");
    QByteArray baker = bakerRecord();
    baker.replace("\"y\"", "\"Y\"");
    EXPECT_EQ(fileBytes(), adamsRecord() + baker + carterRecord());
}

TEST_F(CommandsTest, DeleteAnsweredNoKeepsEveryoneAndASecondDeleteAsksAgain)
{
    openAndShow();
    clickRow(3);
    click("Command2");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_TRUE(desktop.messages.shown[0].question);
    EXPECT_EQ(desktop.messages.shown[0].text, u"Are you sure you want to delete Carl Carter?"_s);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Confirm Delete?"_s);
    EXPECT_EQ(fileBytes(), threeMembers());
    EXPECT_EQ(listLines().size(), 3);
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());

    click("Command2");
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_EQ(desktop.messages.shown[1].text, u"Are you sure you want to delete Carl Carter?"_s);
    EXPECT_EQ(store.count(), 3);
}

TEST_F(CommandsTest, DeleteWithNobodySelectedOnlyClearsTheForm)
{
    openAndShow();
    typeInto("Text3", u"half typed"_s);
    click("Command2");
    EXPECT_TRUE(desktop.messages.shown.empty());
    expectEmptyFormInAddMode();
    EXPECT_EQ(fileBytes(), threeMembers());
}

TEST_F(CommandsTest, ClearKeepsTheSelectionThatDeleteThenAsksAbout)
{
    openAndShow();
    clickRow(2);
    click("Command4");
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
    EXPECT_EQ(window->selectedRecord(), 2);

    desktop.messages.answerNext(Answer::Yes);
    click("Command2");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].text, u"Are you sure you want to delete Mary Baker?"_s);
    EXPECT_EQ(fileBytes(), adamsRecord() + carterRecord());
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Carter, Carl  - N3XYZ"_s}));
    EXPECT_EQ(window->selectedRecord(), 0);
}

TEST_F(CommandsTest, DeletingTheOnlyMemberLeavesAnEmptyFile)
{
    openAndShow(adamsRecord());
    clickRow(1);
    desktop.messages.answerNext(Answer::Yes);
    click("Command2");
    EXPECT_TRUE(files.exists(ClubDataFile::kFileName));
    EXPECT_EQ(fileBytes(), QByteArray());
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(window->selectedRecord(), 0);

    // Nobody is selected any more: a further delete asks nothing.
    click("Command2");
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
}

TEST_F(CommandsTest, DeleteAfterRecordRemovesTheMemberJustEdited)
{
    openAndShow();
    clickRow(1);
    line("Text3")->setText(u"Zimmer"_s);
    click("Command1");
    desktop.messages.answerNext(Answer::Yes);
    click("Command2");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].text, u"Are you sure you want to delete John Zimmer?"_s);
    EXPECT_EQ(fileBytes(), bakerRecord() + carterRecord());
}

TEST_F(CommandsTest, AnAddKeepsTheSelectionOnTheMemberSelectedBefore)
{
    openAndShow();
    clickRow(3);
    click("Command4");
    typeInto("Text3", u"aaron"_s);
    click("Command1");
    EXPECT_EQ(window->selectedRecord(), 4);
    click("Command2");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].text, u"Are you sure you want to delete Carl Carter?"_s);
}

TEST_F(CommandsTest, NoAddBeyondTheLimitButRecordStillWorks)
{
    for (int i = 0; i < MainWindow::kAddLimit; ++i) {
        MemberRecord record;
        record[Field::LastName] = u"Member%1"_s.arg(i, 5, 10, QChar(u'0'));
        store.append(record);
    }
    openAndShow(QByteArray());
    click("Command3");
    ASSERT_EQ(window->listedMembers().listedCount(), 9998);
    typeInto("Text3", u"newcomer"_s);
    click("Command1");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Maximum Record Count"_s);
    EXPECT_EQ(desktop.messages.shown[0].text,
              u"This program was designed to hold up to 10,000 records.  You have attempted to "
              u"exceeded that limit.  If you would like to have this program modified to "
              u"accomodate additional records, please contact me at support@tessaly.example."_s);
    EXPECT_EQ(store.count(), 9998);
    EXPECT_EQ(line("Text3")->text(), u"Newcomer"_s);
    EXPECT_EQ(window->entryMode(), EntryMode::Add);
    EXPECT_EQ(fileBytes(), QByteArray());

    clickRow(1);
    line("Text1")->setText(u"Ann"_s);
    click("Command1");
    EXPECT_EQ(store.count(), 9998);
    EXPECT_TRUE(fileBytes().startsWith("\"\",\"Ann\",\"\",\"Member00000\""));
}

TEST_F(CommandsTest, AFailedSaveSaysSoAndKeepsTheChangeForTheNextSave)
{
    openAndShow();
    QDir(files.dir()).remove(ClubDataFile::kFileName);
    ASSERT_TRUE(QDir(files.dir()).mkdir(ClubDataFile::kFileName));
    typeInto("Text3", u"dunn"_s);
    click("Command1");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].title, saveFailureTitle());
    EXPECT_TRUE(desktop.messages.shown[0].text.contains(dataFile->path()));
    EXPECT_EQ(store.count(), 4);
    EXPECT_TRUE(listLines().contains(u"Dunn,  "_s));

    ASSERT_TRUE(QDir(files.dir()).rmdir(ClubDataFile::kFileName));
    typeInto("Text3", u"eaton"_s);
    click("Command1");
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(fileBytes(), threeMembers() +
                               fileRecord({"", "", "", "Dunn", "", "", "", "", "", "", "", "", "",
                                           "", "", "N", "N", "N", ""}) +
                               fileRecord({"", "", "", "Eaton", "", "", "", "", "", "", "", "", "",
                                           "", "", "N", "N", "N", ""}));
}

TEST_F(CommandsTest, ASaveThatFailsHalfWayLeavesTheOldFileByteForByte)
{
    openAndShow();
    typeInto("Text3", u"dunn"_s);
    {
        FileSizeCap cap(static_cast<rlim_t>(threeMembers().size()));
        click("Command1");
    }
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].title, saveFailureTitle());
    EXPECT_EQ(fileBytes(), threeMembers());
    EXPECT_EQ(listLines().size(), 4);
}

TEST_F(CommandsTest, KeyboardAloneAddsAMember)
{
    openAndShow(QByteArray());
    focus(line("Text12"));
    const QString typed[] = {u"w3new"_s,     u"dora"_s,  {},     u"dunn"_s,
                             u"1 Main St"_s, u"media"_s, u"p"_s, u"19063"_s};
    for (const QString &text : typed) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        pressTab();
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"Text9"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"610-555-0199"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(fileBytes(),
              fileRecord({"W3NEW", "Dora", "", "Dunn", "1 Main St", "Media", "PA", "19063",
                          "610-555-0199", "", "", "", "", "", "", "N", "N", "N", ""}));
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(CommandsTest, AltWithTheUnderlinedLetterRunsTheCommand)
{
    openAndShow(QByteArray());
    typeInto("Text3", u"dunn"_s);
    ASSERT_TRUE(window->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    // A shortcut presses the button visibly, and the click lands when it comes up.
    EXPECT_TRUE(QTest::qWaitFor([&] { return store.count() == 1; }));
    EXPECT_TRUE(fileBytes().contains("\"Dunn\""));
}

TEST_F(CommandsTest, EnterInADateBoxStoresTheDateAsTyped)
{
    openAndShow(QByteArray());
    QLineEdit *joined = line("Text15");
    focus(joined);
    joined->clear();
    QTest::keyClicks(joined, u"13/45"_s);
    QTest::keyClick(joined, Qt::Key_Return);
    EXPECT_TRUE(fileBytes().contains(",\"13/45\","));
    EXPECT_TRUE(desktop.messages.shown.empty());
}

} // namespace
} // namespace tessaly::testing
