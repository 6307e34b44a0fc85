#include "import_rules/sheet_file.h"
#include "import_window/import_dialog.h"
#include "main_window/main_window.h"
#include "roll/listed_members.h"

#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

namespace tessaly::testing {
namespace {

// The import dialog over the sample club's roll, loaded as the program loads it.
class ImportTest : public WindowTest<ImportDialog> {
  protected:
    void SetUp() override
    {
        QFile sample(QStringLiteral(TESSALY_SAMPLE_ROLL));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        openRoll(sample.readAll());
    }
    void openRoll(const QByteArray &bytes)
    {
        startSession(bytes);
        loaded = session->load();
        ASSERT_TRUE(loaded.outcome.ok());
        changes = std::make_unique<QSignalSpy>(session.get(), &RollSession::changed);
    }
    QString sheet(const QByteArray &bytes, const QString &name = u"club.csv"_s)
    {
        files.write(name, bytes);
        return files.path(name);
    }
    void openDialog(const QString &path)
    {
        window = std::make_unique<ImportDialog>(*session, desktop.platform(), path,
                                                readSheetFile(path).bytes);
        showActive();
    }
    QPushButton *button(QDialogButtonBox::StandardButton which) const
    {
        return window->findChild<QDialogButtonBox *>()->button(which);
    }
    void press(QDialogButtonBox::StandardButton which) { button(which)->click(); }
    const QAbstractItemModel *preview() const { return control<QTableView>("preview")->model(); }
    QString cell(int row, int column) const
    {
        return preview()->index(row, column).data().toString();
    }
    QString header(int column) const
    {
        return preview()->headerData(column, Qt::Horizontal).toString();
    }
    void importFromMenu(MainWindow &main) { main.findChild<QAction *>(u"mnuImport"_s)->trigger(); }

    LoadResult loaded;
    std::unique_ptr<QSignalSpy> changes;
};

// Three new members whose names fall before, among and after the sample club's own, and one
// the roll already holds.
TEST_F(ImportTest, TheMenuImportsRowsIntoTheSampleClubInOneSortedSave)
{
    MainWindow main(*session, loaded, desktop.platform());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    desktop.files.answers.push_back(sheet("Call sign,First name,Last name,Date joined,Notes\r\n"
                                          "k3t1,Ann,Aaronson,07/04/1990,\"golf\nchurch\"\r\n"
                                          "k3t2,Ann,Young,,\r\n"
                                          "k3t3,Ann,zimmer,,\r\n"
                                          "K3ABC,Walter,Abernathy,,\r\n"));
    QStringList previewed;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<ImportDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(shown);
        const QAbstractItemModel *model = shown->findChild<QTableView *>()->model();
        previewed << model->headerData(1, Qt::Horizontal).toString();
        for (const int column : {0, 1, 4, 5})
            previewed << model->index(0, column).data().toString();
        previewed << model->index(3, 0).data().toString();
        shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    importFromMenu(main);

    EXPECT_EQ(desktop.files.titles, QStringList{u"Import Members"_s});
    EXPECT_EQ(desktop.files.directories, QStringList{files.dir()});
    EXPECT_EQ(previewed, (QStringList{u"Call sign\nCall"_s, u"Add"_s, u"K3T1"_s, u"7/4/1990"_s,
                                      u"golf, church"_s, u"Left out: on the roll"_s}));
    expectMessage(1, u"Import Members"_s,
                  u"3 members added to the roll from club.csv.\n\n1 row left out:\n1 row already "
                  u"on the roll (row 5)"_s);
    EXPECT_EQ(changes->count(), 1);
    ASSERT_EQ(session->count(), 29);
    EXPECT_EQ(main.listedMembers().listedCount(), 29);
    EXPECT_TRUE(roll().startsWith(
        "\"K3T1\",\"Ann\",\"\",\"Aaronson\",\"\",\"\",\"\",\"\",\"\",\"golf\r\nchurch\",\"\",\"\","
        "\"7/4/1990\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n\"K3ABC\",\"Walter\""));
}

// The roll refuses what would bring it past the most it holds; the dialog says so and
// stays open for rows to be left out, or to be cancelled, which changes nothing.
TEST_F(ImportTest, AnImportPastTheLimitIsRefusedWithTheNumbers)
{
    QByteArray big;
    for (int n = 0; n < 9990; ++n)
        big += fileRecord({"", "", "", "Member" + QByteArray::number(n)});
    openRoll(big);
    QByteArray rows = "Call sign,Last name\r\n";
    for (int n = 1; n <= 8; ++n)
        rows += "K3N" + QByteArray::number(n) + ",New" + QByteArray::number(n) + "\r\n";
    rows += "K3N1,New1\r\n";
    openDialog(sheet(rows));
    control<QCheckBox>("addDuplicates")->setChecked(true);
    EXPECT_EQ(control<QLabel>("summary")->text(),
              u"9 rows in the file, 9 to add. The roll has room for 8 members more."_s);
    press(QDialogButtonBox::Ok);
    expectMessage(1, u"Import Members"_s,
                  u"The roll holds 9,990 members and takes at most 9,998. Adding 9 members "
                  u"would bring it to 9,999.\n\nNothing was added. Leave rows out, or import "
                  u"fewer."_s);
    EXPECT_TRUE(window->isVisible());
    press(QDialogButtonBox::Cancel);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(changes->count(), 0);
    EXPECT_EQ(roll(), big);

    // Without the repeated row, the rest bring the roll to exactly the most it takes.
    openDialog(sheet(rows));
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(session->count(), RollSession::kAddLimit);
}

// A semicolon sheet in UTF-8 with its mark, holding a name the roll's code page cannot hold
// and a date of birth that is not a date, twice.
TEST_F(ImportTest, TheOperatorsChoicesReachThePreviewAndTheRoll)
{
    openDialog(sheet("\xEF\xBB\xBF"
                     "CALL;Surname;Remarks;D.O.B.\r\n"
                     "N3NEW;Pu\xC5\x82"
                     "aski;k3rem;someday\r\n"
                     "N3NEW;Pu\xC5\x82"
                     "aski;k3rem;someday\r\n"));
    auto *separator = control<QComboBox>("separatorChoice");
    EXPECT_EQ(control<QComboBox>("encodingChoice")->currentText(), u"UTF-8"_s);
    EXPECT_EQ(separator->currentText(), u"Semicolon"_s);
    separator->setCurrentIndex(0); // read as commas: one column, which nothing takes
    EXPECT_EQ(header(1), u"CALL;Surname;Remarks;D.O.B.\n(not imported)"_s);
    EXPECT_FALSE(button(QDialogButtonBox::Ok)->isEnabled());
    separator->setCurrentIndex(1);
    EXPECT_EQ(cell(0, 0), u"Left out: characters"_s);

    // Remarks takes the call sign from CALL, whose choice then shows it not imported.
    auto *remarks = control<QComboBox>("fieldChoice3");
    remarks->setCurrentIndex(remarks->findText(u"Call"_s));
    emit remarks->activated(remarks->currentIndex());
    // A column nothing takes still shows what the file holds.
    EXPECT_EQ(
        std::tuple(header(1), header(3), control<QComboBox>("fieldChoice1")->currentText(),
                   cell(0, 1)),
        std::tuple(u"CALL\n(not imported)"_s, u"Remarks\nCall"_s, u"(not imported)"_s, u"N3NEW"_s));
    control<QCheckBox>("acceptReplacements")->setChecked(true);
    // Rows are numbered as in the spreadsheet, the header row 1.
    EXPECT_EQ(std::tuple(cell(0, 0), cell(1, 0), preview()->headerData(1, Qt::Vertical).toInt()),
              std::tuple(u"Add"_s, u"Left out: as row 2"_s, 3));
    // A row left out is greyed, one to add is not.
    EXPECT_EQ(std::pair(preview()->index(0, 1).data(Qt::ForegroundRole).isValid(),
                        preview()->index(1, 1).data(Qt::ForegroundRole).isValid()),
              std::pair(false, true));
    EXPECT_EQ(std::pair(preview()->index(0, 2).data(Qt::BackgroundRole).isValid(),
                        preview()->index(0, 2).data(Qt::ToolTipRole).toString()),
              std::pair(true, u"Characters AddrClub.dat cannot hold were replaced. The file "
                              u"holds: Pu\u0142aski"_s));
    control<QCheckBox>("addDuplicates")->setChecked(true);
    EXPECT_EQ(control<QLabel>("summary")->text(),
              u"2 rows in the file, 2 to add; 2 with a date or yes/no value kept as written."_s);

    // Another program rewrote the roll meanwhile, and the operator keeps its version: the
    // members are added in memory, and both the failed save and the import are told.
    files.write(u"AddrClub.dat"_s, roll());
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(desktop.messages.shown.at(1).title, u"Trouble saving data!"_s);
    expectMessage(3, u"Import Members"_s,
                  u"2 members added to the roll from club.csv.\n\nAdded with characters "
                  u"replaced: rows 2-3\nAdded with a date or yes/no value kept as written: "
                  u"rows 2-3"_s);
    EXPECT_EQ(session->count(), 28);
}

// Files the dialog never opens for, told the reason; a quote never closed below the header
// still opens it.
TEST_F(ImportTest, AFileWithoutRowsToPreviewIsRefusedBeforeAnyDialog)
{
    MainWindow main(*session, loaded, desktop.platform());
    desktop.files.answers = {
        sheet("PK\x03\x04\0\0binary"_ba, u"club.xlsx"_s),
        sheet("Call,First,Last\r\n"_ba),
        sheet("\"Call,First\r\nK3ABC,Ann\r\n"_ba, u"header.csv"_s),
        sheet("Call,First\r\nK3NEW,Ann\r\n\"W1XYZ,Bob\r\n"_ba, u"row.csv"_s),
        sheet("Call,\"First\r\nK3NEW,Ann\r\nK3OLD,\"Bo\"b\r\nK3Z,Zed\r\n"_ba, u"misplaced.csv"_s),
        QString()};
    int dialogs = 0;
    // One closer for each import, so that a dialog opened by mistake fails the count, never
    // waits for ever.
    for (int i = 0; i < 6; ++i) {
        QTimer::singleShot(0, [&] {
            if (auto *shown = qobject_cast<ImportDialog *>(QApplication::activeModalWidget())) {
                ++dialogs;
                shown->reject();
            }
        });
        importFromMenu(main);
    }
    EXPECT_EQ(dialogs, 1);
    const QString nothingAdded = u"\n\nNothing was added to the roll."_s;
    const QString refusals[] = {
        u"Tessaly could not import "_s + files.shown(u"club.xlsx"_s) +
            u": it is not comma-, semicolon- or tab-separated text. Save the spreadsheet as "
            u"\"CSV UTF-8\" or \"CSV\" and import that file."_s +
            nothingAdded,
        files.shown(u"club.csv"_s) +
            u" has no rows below its first row, which names the columns."_s + nothingAdded,
        u"Tessaly could not import "_s + files.shown(u"header.csv"_s) +
            u": its first row, which names the columns, opens a quote on line 1 that is never "
            u"closed, so the rest of the file was read as one value. Close the quote in the "
            u"spreadsheet and import again."_s +
            nothingAdded,
        u"Tessaly could not import "_s + files.shown(u"misplaced.csv"_s) +
            u": a quote in its first row, which names the columns, closes in row 3 with more of "
            u"the value after it, so the columns cannot be told apart. Put the quote right in "
            u"the spreadsheet and import again."_s +
            nothingAdded};
    ASSERT_EQ(desktop.messages.shown.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(std::pair(desktop.messages.shown[i].title, desktop.messages.shown[i].text),
                  std::pair(u"Import Members"_s, refusals[i]));
    EXPECT_EQ(changes->count(), 0);
}

// The sheet of a club whose second row lost its closing quote, and whose fifth row has quotes
// of its own: the rows between are named and left out, the others added.
TEST_F(ImportTest, RowsAQuoteOutOfPlaceRanOverAreNamedAndLeftOut)
{
    openDialog(sheet("Call,First,Last,City\n"
                     "K1AAA,Ann,Abel,Aston\n"
                     "K1BBB,\"Bo,Bell,Bath\n"
                     "K1CCC,Cy,Cole,Chester\n"
                     "K1DDD,Di,Dunn,Dover\n"
                     "K1EEE,Eve,\"Eton, Jr.\",Easton\n"
                     "K1FFF,Flo,Fay,Fife\n"));
    const QString told =
        u"Rows 3 to 6: a quote opened in row 3 closes in row 6 with more of the value after it, "
        u"so these rows were read as one value and are left out. Put the quotes right in the "
        u"spreadsheet and import those rows again."_s;
    EXPECT_EQ(control<QLabel>("summary")->text(), u"6 rows in the file, 2 to add. "_s + told);
    EXPECT_EQ(std::tuple(preview()->rowCount(), cell(1, 2),
                         preview()->headerData(1, Qt::Vertical).toInt()),
              std::tuple(2, u"Flo"_s, 7));
    press(QDialogButtonBox::Ok);
    expectMessage(1, u"Import Members"_s,
                  u"2 members added to the roll from club.csv.\n\n"_s + told);
    EXPECT_EQ(session->count(), 28);
    EXPECT_EQ(roll().count("\"K1AAA\",\"Ann\",\"\",\"Abel\",\"\",\"Aston\""), 1);
    EXPECT_EQ(roll().count("\"K1FFF\",\"Flo\",\"\",\"Fay\",\"\",\"Fife\""), 1);
    EXPECT_EQ(roll().count("Bo,Bell"), 0);
}

// A cell that leaves its row out whatever is ticked is red, says why and shows only its start:
// row 3 of 50 opens a quote never closed, the rest of the file in it; a 1 MB note is too long.
TEST_F(ImportTest, ACellThatLeavesItsRowOutIsMarkedAndSaysWhy)
{
    QByteArray unclosed = "Call sign,First name,Last name\r\n";
    for (int row = 2; row <= 50; ++row) {
        const QByteArray n = QByteArray::number(row);
        unclosed += "K3T" + n + (row == 3 ? ",\"" : ",") + "Ann" + n + ",Last" + n + "\r\n";
    }
    const struct {
        QByteArray sheet;
        int row, column;
        QString status, tip, start; // start: what the cell shows first
    } cases[] = {
        {unclosed, 1, 2, u"Left out: quote not closed"_s,
         u"The quote that opens this value on line 3 is never closed: the rest of the file "
         u"(lines 3-50) was read into it."_s,
         u"Ann3,Last3 K3T4,Ann4,Last4 K3T5"_s},
        {"Call sign,Last name,Notes\r\nK3BIG,Bigg,\"" + QByteArray(1024 * 1024, 'x') + "\"\r\n", 0,
         3, u"Left out: too long"_s,
         u"1,048,576 characters, more than the 65,536 the roll takes in a value; the row is "
         u"left out. Set the column to \"(not imported)\" to add the row without it."_s,
         u"xxx"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.status.toStdString());
        openDialog(sheet(c.sheet));
        const QModelIndex swallowing = preview()->index(c.row, c.column);
        const QString shown = cell(c.row, c.column);
        EXPECT_EQ(std::tuple(cell(c.row, 0), swallowing.data(Qt::ToolTipRole).toString(),
                             swallowing.data(Qt::BackgroundRole).isValid(), shown.size(),
                             shown.startsWith(c.start), shown.back()),
                  std::tuple(c.status, c.tip, true, qsizetype{501}, true, QChar(0x2026)));
    }
}

} // namespace
} // namespace tessaly::testing
