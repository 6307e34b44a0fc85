#include "import/sheet_file.h"
#include "import_window/import_dialog.h"
#include "main_window/main_window.h"
#include "roll/listed_members.h"
#include "roll/roll_session.h"

#include "fake_platform.h"
#include "temp_roll.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

// 25 members none of whom is on the sample roll; their names fall between its own.
QByteArray twentyFiveMembers()
{
    const char *const last[] = {
        "Aaronson", "Bell",   "Carver", "Doyle",  "Ellison", "Foster", "Garner", "Hale",  "Irwin",
        "Jensen",   "Keller", "Lowry",  "Monroe", "Nash",    "Ortiz",  "Porter", "Quade", "Rhodes",
        "Sutton",   "Tate",   "Upton",  "Vance",  "Walsh",   "Young",  "zimmer"};
    QByteArray csv = "Call sign,First name,MI,Last name,Street address,City,State,Zip code,"
                     "Phone,E-mail,Date joined,Membership expires,Class,License expires,ARRL,"
                     "Voting,Dues paid,Date of birth,Notes\r\n";
    for (int i = 0; i < 25; ++i)
        csv += "k3t" + QByteArray::number(i + 1) + ",Ann,," + last[i] + "," +
               QByteArray::number(i + 1) +
               " Main St,Media,pa,19063,610-555-0100,,07/04/1990,"
               "12/31/27,Tech,,yes,no,x,,\"golf\nchurch\"\r\n";
    return csv;
}

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override { openRoll(sampleRoll()); }

    static QByteArray sampleRoll()
    {
        QFile sample(QStringLiteral(TESSALY_SAMPLE_ROLL));
        return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
    }
    // The main window loads the roll itself.
    void openRoll(const QByteArray &bytes, bool load = true)
    {
        files.write(ClubDataFile::kFileName, bytes);
        roll = std::make_unique<RollSession>(files.dir());
        if (load) {
            ASSERT_TRUE(roll->load().outcome.ok());
        }
        changes = std::make_unique<QSignalSpy>(roll.get(), &RollSession::changed);
    }
    QString sheet(const QByteArray &bytes, const QString &name = u"club.csv"_s)
    {
        files.write(name, bytes);
        return files.path(name);
    }
    void openDialog(const QString &path)
    {
        dialog = std::make_unique<ImportDialog>(*roll, desktop.platform(), path,
                                                readSheetFile(path).bytes);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button(QDialogButtonBox::StandardButton which) const
    {
        return dialog->findChild<QDialogButtonBox *>()->button(which);
    }
    QString cell(int row, int column) const
    {
        const QAbstractItemModel *model = child<QTableView>("preview")->model();
        return model->index(row, column).data().toString();
    }
    QString header(int column) const
    {
        return child<QTableView>("preview")->model()->headerData(column, Qt::Horizontal).toString();
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const ShownMessage &shown : desktop.messages.shown)
            texts << shown.title + u": "_s + shown.text;
        return texts;
    }
    QByteArray file() const { return files.read(ClubDataFile::kFileName); }

    TempRoll files;
    FakePlatform desktop;
    std::unique_ptr<RollSession> roll;
    std::unique_ptr<QSignalSpy> changes;
    std::unique_ptr<ImportDialog> dialog;
};

TEST_F(ImportTest, TheMenuImportsTwentyFiveRowsIntoTheSampleClubInOneSortedSave)
{
    openRoll(sampleRoll(), false);
    MainWindow window(*roll, roll->load(), desktop.platform());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    desktop.files.answers.push_back(sheet(twentyFiveMembers()));
    QStringList previewed;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<ImportDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(shown);
        const QAbstractItemModel *model = shown->findChild<QTableView *>()->model();
        previewed << model->headerData(1, Qt::Horizontal).toString()
                  << model->headerData(19, Qt::Horizontal).toString()
                  << model->index(0, 0).data().toString() << model->index(0, 1).data().toString()
                  << model->index(0, 11).data().toString() << model->index(0, 19).data().toString();
        shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    window.findChild<QAction *>(u"mnuImport"_s)->trigger();

    EXPECT_EQ(desktop.files.titles, QStringList{u"Import Members"_s});
    EXPECT_EQ(desktop.files.directories, QStringList{files.dir()});
    EXPECT_EQ(previewed, (QStringList{u"Call sign\nCall"_s, u"Notes\nOther"_s, u"Add"_s, u"K3T1"_s,
                                      u"7/4/1990"_s, u"golf, church"_s}));
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: 25 members added to the roll from club.csv."_s});
    EXPECT_EQ(changes->count(), 1);
    ASSERT_EQ(roll->count(), 51);
    EXPECT_EQ(window.listedMembers().listedCount(), 51);
    const std::pair<int, QString> placed[] = {{1, u"Aaronson"_s}, {2, u"Abernathy"_s},
                                              {3, u"Baxter"_s},   {49, u"Yarnall"_s},
                                              {50, u"Young"_s},   {51, u"zimmer"_s}};
    for (const auto &[n, last] : placed)
        EXPECT_EQ(roll->member(n)[Field::LastName], last);
    EXPECT_TRUE(file().startsWith(
        "\"K3T1\",\"Ann\",\"\",\"Aaronson\",\"1 Main St\",\"Media\",\"PA\",\"19063\","
        "\"610-555-0100\",\"golf\r\nchurch\",\"\",\"12/31/2027\",\"7/4/1990\",\"Tech\",\"\","
        "\"Y\",\"N\",\"Y\",\"\"\r\n\"K3ABC\",\"Walter\""));
}

TEST_F(ImportTest, ASecondImportOfTheSameFileAddsNothingAndListsTwentyFiveDuplicates)
{
    const QString path = sheet(twentyFiveMembers());
    openDialog(path);
    button(QDialogButtonBox::Ok)->click();
    const QByteArray once = file();
    desktop.messages.shown.clear();

    openDialog(path);
    EXPECT_EQ(cell(24, 0), u"Left out: on the roll"_s);
    EXPECT_EQ(child<QLabel>("summary")->text(),
              u"25 rows in the file, 0 to add; 25 already on the roll."_s);
    button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: 0 members added to the roll from club.csv.\n\n"
                          u"25 rows left out:\n25 rows already on the roll (rows 2-26)"_s});
    EXPECT_EQ(changes->count(), 1);
    EXPECT_EQ(roll->count(), 51);
    EXPECT_EQ(file(), once);
}

TEST_F(ImportTest, AnImportPastTheLimitAddsNothingAndSaysSo)
{
    QByteArray big;
    for (int n = 0; n < 9990; ++n)
        big +=
            "\"\",\"\",\"\",\"Member" + QByteArray::number(n) +
            "\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n";
    openRoll(big);
    openDialog(sheet(twentyFiveMembers()));
    EXPECT_EQ(child<QLabel>("summary")->text(),
              u"25 rows in the file, 25 to add. The roll has room for 8 members more."_s);
    button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: The roll holds 9,990 members and takes at most "
                          u"9,998. Adding 25 members would bring it to 10,015.\n\nNothing was "
                          u"added. Leave rows out, or import fewer."_s});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(roll->count(), 9990);
    EXPECT_EQ(changes->count(), 0);
    EXPECT_EQ(file(), big);
}

TEST_F(ImportTest, CancelChangesNothing)
{
    const QByteArray before = file();
    openDialog(sheet(twentyFiveMembers()));
    child<QCheckBox>("addDuplicates")->setChecked(true);
    button(QDialogButtonBox::Cancel)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(changes->count(), 0);
    EXPECT_EQ(file(), before);
}

// A semicolon sheet in UTF-8 with its mark: one member already on the roll, one name the
// roll's code page cannot hold, a column the operator drops and one moved to another field.
TEST_F(ImportTest, TheOperatorChangesMatchesAndTicksRowsIn)
{
    openDialog(sheet("\xEF\xBB\xBF"
                     "CALL;Surname;First;Remarks;Birthday\r\n"
                     "K3ABC;Abernathy;Walter;Field Day;19/7/1951\r\n"
                     "N3NEW;Pu\xC5\x82"
                     "aski;Kazimierz;;\r\n"
                     "N3OLD;Zubek;Anna;\"a;b\";someday\r\n"));
    EXPECT_EQ(child<QComboBox>("encodingChoice")->currentText(), u"UTF-8"_s);
    EXPECT_EQ(child<QComboBox>("separatorChoice")->currentText(), u"Semicolon"_s);
    const QStringList states = {cell(0, 0), cell(1, 0), cell(2, 0), cell(1, 2), cell(2, 5)};
    EXPECT_EQ(states, (QStringList{u"Left out: on the roll"_s, u"Left out: characters"_s, u"Add"_s,
                                   u"Pulaski"_s, u"someday"_s}));

    auto *remarks = child<QComboBox>("fieldChoice4");
    remarks->setCurrentIndex(0);
    emit remarks->activated(0);
    auto *birthday = child<QComboBox>("fieldChoice5");
    const int joined = birthday->findText(u"Joined"_s);
    birthday->setCurrentIndex(joined);
    emit birthday->activated(joined);
    EXPECT_EQ(header(4), u"Remarks\n(not imported)"_s);
    EXPECT_EQ(header(5), u"Birthday\nJoined"_s);

    child<QCheckBox>("acceptReplacements")->setChecked(true);
    EXPECT_EQ(cell(1, 0), u"Add"_s);
    button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(roll->count(), 28);
    const MemberRecord &pulaski = roll->member(19);
    EXPECT_EQ(pulaski[Field::LastName], u"Pulaski"_s);
    const MemberRecord &zubek = roll->member(28);
    EXPECT_EQ((QStringList{zubek[Field::Call], zubek[Field::Other], zubek[Field::Joined],
                           zubek[Field::Dob]}),
              (QStringList{u"N3OLD"_s, QString(), u"someday"_s, QString()}));
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: 2 members added to the roll from club.csv.\n\n"
                          u"1 row left out:\n1 row already on the roll (rows 2)\n\n"
                          u"Added with characters replaced: rows 3\n"
                          u"Added with a date or yes/no value kept as written: rows 4"_s});
}

TEST_F(ImportTest, AFileThatIsNotASheetOrHasNoRowsIsRefusedBeforeAnyDialog)
{
    openRoll(sampleRoll(), false);
    MainWindow window(*roll, roll->load(), desktop.platform());
    desktop.files.answers = {sheet("PK\x03\x04\0\0binary"_ba, u"club.xlsx"_s),
                             sheet("Call,First,Last\r\n"_ba), QString()};
    for (int i = 0; i < 3; ++i)
        window.findChild<QAction *>(u"mnuImport"_s)->trigger();
    EXPECT_EQ(
        messages(),
        (QStringList{u"Import Members: Tessaly could not import "_s + files.path(u"club.xlsx"_s) +
                         u": it is not comma-, semicolon- or tab-separated text. Save the "
                         u"spreadsheet as \"CSV UTF-8\" or \"CSV\" and import that file."
                         u"\n\nNothing was added to the roll."_s,
                     u"Import Members: "_s + files.path(u"club.csv"_s) +
                         u" has no rows below its first row, which names the columns."
                         u"\n\nNothing was added to the roll."_s}));
    EXPECT_EQ(changes->count(), 0);
}

// Row 3 of 50 opens a quote it never closes: the rest of the file is one First name.
TEST_F(ImportTest, ARowWhoseQuoteIsNeverClosedIsShownMarkedAndLeftOut)
{
    QByteArray csv = "Call sign,First name,Last name\r\n";
    for (int row = 2; row <= 50; ++row) {
        const QByteArray n = QByteArray::number(row);
        csv += "K3T" + n + (row == 3 ? ",\"" : ",") + "Ann" + n + ",Last" + n + "\r\n";
    }
    openDialog(sheet(csv));
    EXPECT_EQ(child<QLabel>("summary")->text(),
              u"2 rows in the file, 1 to add; 1 with a quote never closed. Row 3 opens a quote "
              u"on line 3 of the file that is never closed, so the rest of the file (lines "
              u"3-50) was read as one value. Close the quote in the spreadsheet and import "
              u"again."_s);
    EXPECT_EQ(cell(0, 0), u"Add"_s);
    EXPECT_EQ(cell(1, 0), u"Left out: quote not closed"_s);
    const QModelIndex swallowed = child<QTableView>("preview")->model()->index(1, 2);
    EXPECT_TRUE(swallowed.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(swallowed.data(Qt::ToolTipRole).toString(),
              u"The quote that opens this value on line 3 is never closed: the rest of the "
              u"file (lines 3-50) was read into it."_s);
    // The cell shows the start of what it holds, not all 48 lines.
    EXPECT_TRUE(cell(1, 2).startsWith(u"Ann3,Last3 K3T4,Ann4,Last4 K3T5"_s));
    EXPECT_TRUE(cell(1, 2).endsWith(QChar(0x2026)));
    EXPECT_LE(cell(1, 2).size(), 501);

    button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: 1 member added to the roll from club.csv.\n\n"
                          u"1 row left out:\n1 row whose quote is never closed, the rest of "
                          u"the file read into it (rows 3)"_s});
    ASSERT_EQ(roll->count(), 27);
    for (int n = 1; n <= roll->count(); ++n)
        EXPECT_NE(roll->member(n)[Field::Call], u"K3T3"_s);
}

// A 1 MB note is more than the roll takes in a value: its row waits until the operator
// leaves the column out.
TEST_F(ImportTest, AValueTooLongForTheRollLeavesItsRowOutUntilItsColumnIsNot)
{
    const QByteArray megabyte(1024 * 1024, 'x');
    openDialog(sheet("Call sign,Last name,Notes\r\nK3BIG,Bigg,\"" + megabyte +
                     "\"\r\nK3OK,Fine,short\r\n"));
    EXPECT_EQ(cell(0, 0), u"Left out: too long"_s);
    EXPECT_EQ(cell(1, 0), u"Add"_s);
    EXPECT_EQ(child<QLabel>("summary")->text(),
              u"2 rows in the file, 1 to add; 1 with a value too long."_s);
    const QModelIndex note = child<QTableView>("preview")->model()->index(0, 3);
    EXPECT_TRUE(note.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(note.data(Qt::ToolTipRole).toString(),
              u"1,048,576 characters, more than the 65,536 the roll takes in a value; the row "
              u"is left out. Set the column to \"(not imported)\" to add the row without it."_s);
    EXPECT_LE(cell(0, 3).size(), 501);

    auto *notes = child<QComboBox>("fieldChoice3");
    notes->setCurrentIndex(0);
    emit notes->activated(0);
    EXPECT_EQ(cell(0, 0), u"Add"_s);
    button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(roll->count(), 28);
    QStringList bigg;
    for (int n = 1; n <= roll->count(); ++n) {
        if (roll->member(n)[Field::Call] == u"K3BIG"_s)
            bigg << roll->member(n)[Field::LastName] << roll->member(n)[Field::Other];
    }
    EXPECT_EQ(bigg, (QStringList{u"Bigg"_s, QString()}));
}

TEST_F(ImportTest, AHeaderWhoseQuoteIsNeverClosedIsRefusedBeforeAnyDialog)
{
    openRoll(sampleRoll(), false);
    MainWindow window(*roll, roll->load(), desktop.platform());
    desktop.files.answers = {sheet("Call,First\r\nK3NEW,Ann\r\n\"W1XYZ,Bob\r\n"_ba),
                             sheet("\"Call,First\r\nK3ABC,Ann\r\n"_ba, u"header.csv"_s)};
    QString previewed;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<ImportDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(shown);
        previewed = shown->findChild<QLabel *>(u"summary"_s)->text();
        shown->reject();
    });
    for (int i = 0; i < 2; ++i)
        window.findChild<QAction *>(u"mnuImport"_s)->trigger();
    EXPECT_TRUE(previewed.startsWith(u"2 rows in the file, 1 to add; 1 with a quote never "
                                     u"closed. Row 3 opens a quote on line 3"_s));
    EXPECT_EQ(messages(),
              QStringList{u"Import Members: Tessaly could not import "_s +
                          files.path(u"header.csv"_s) + u": its first row, which names the columns, opens a quote on line 1 "
                          u"that is never closed, so the rest of the file was read as one "
                          u"value. Close the quote in the spreadsheet and import again.\n\n"
                          u"Nothing was added to the roll."_s});
    EXPECT_EQ(changes->count(), 0);
}

} // namespace
} // namespace tessaly::testing
