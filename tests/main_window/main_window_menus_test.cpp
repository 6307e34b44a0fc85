#include "main_window_fixture.h"

#include "fcc_files.h"
#include "linux_facilities.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>

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
// exactly the listed members in list order, the copies reach the clipboard, and each button and
// menu command gives the focus back to the Call box.
TEST_F(ListingTest, SearchListsTheFoundAndTheExportsTakeExactlyThem)
{
    typeInto("Text11", u"MEDIA"_s);
    ASSERT_EQ(listLines(), (QStringList{adams, carter, dunn}));
    clickRow(3);
    const auto fromButton = [this](const char *id) {
        click(id);
        EXPECT_TRUE(line("Text12")->hasFocus()) << id;
    };
    fromButton("Command5");
    EXPECT_EQ(desktop.clipboard.text,
              u"ARS - W3NEW\r\nDora Dunn\r\n1 Main St\r\nUnit\u00a04\r\nMedia PA 19063"_s);
    fromButton("Command6");
    const QByteArray address = files.read(u"Address.txt"_s);
    EXPECT_TRUE(address.startsWith("ARS K3ABC \r\n") && address.contains("\nARS N3XYZ \r\n") &&
                address.endsWith("Unit\2404\r\nMedia PA 19063\r\n\r\n"));
    EXPECT_EQ(address.count("ARS "), 3);
    fromButton("Command8");
    EXPECT_TRUE(desktop.clipboard.text.startsWith(u"K3ABC\t"_s));
    EXPECT_EQ(desktop.clipboard.text.count(u"\r\n"_s), 3);

    const auto fromMenu = [this](const QString &name) {
        trigger(name);
        // A closed preview gives the window back its activation as a window manager would.
        if (QApplication::activeWindow() == nullptr || !QApplication::activeWindow()->isVisible())
            window->activateWindow();
        settle();
        EXPECT_TRUE(line("Text12")->hasFocus()) << name.toStdString();
    };
    desktop.files.answers.push_back(files.path(u"Members.csv"_s));
    fromMenu(u"mnuExport"_s);
    const QList<QByteArray> rows = files.read(u"Members.csv"_s).split('\n');
    ASSERT_EQ(rows.size(), 6); // Dunn's address holds a line break
    EXPECT_TRUE(rows[1].startsWith("K3ABC,") && rows[2].startsWith("N3XYZ,") &&
                rows[3].startsWith("W3NEW,"));
    fromMenu(u"mnuEmail"_s);
    EXPECT_EQ(desktop.clipboard.text, u"ja@example.org"_s);
    const ModalWatch printing([](QWidget *preview) {
        QTest::mouseClick(preview->findChild<QPushButton *>(u"PreviewPrint"_s), Qt::LeftButton);
    });
    fromMenu(u"mnuDirectory"_s);
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    const QStringList &printed = desktop.printer.jobs[0].pages[0].texts;
    EXPECT_EQ(printed.filter(u"Media PA 19063"_s).size(), 3);
    EXPECT_TRUE(printed.filter(u"Chester"_s).isEmpty()); // Baker is not listed
    EXPECT_EQ(desktop.messages.shown.size(), 2u);        // the export's and the e-mail's reports
}

// Entering the search box empties the form but leaves the list; List All Voting and List All
// replace the list and clear the form. The line under the list says what it holds.
TEST_F(ListingTest, TheSearchBoxAndTheListCommandsEmptyTheForm)
{
    typeInto("Text11", u"media"_s);
    clickRow(2);
    ASSERT_EQ(line("Text3")->text(), u"Carter"_s);
    focus(line("Text11"));
    expectEmptyFormInAddMode();
    EXPECT_EQ(line("Text11")->text(), u"media"_s);
    EXPECT_EQ(listLines() << listSummary(),
              (QStringList{adams, carter, dunn, u"3 of 4 members found"_s}));

    clickRow(1);
    click("Command9");
    EXPECT_EQ(listLines() << listSummary(),
              (QStringList{adams, baker, u"2 voting members"_s})); // "Y" or "y"
    expectEmptyFormInAddMode();
    typeInto("Text11", u"dunn"_s);
    click("Command3");
    EXPECT_EQ(listLines() << listSummary(),
              (QStringList{adams, baker, carter, dunn, u"All 4 members"_s}));
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
                  u"The listed addresses could not be written to the file "_s + files.shown(u"Address.txt"_s) +
                      u".\n\nReason: a folder named Address.txt stands where the "
                      u"file should go\n\nNothing in the member roll was changed, and an earlier "
                      u"copy of the address file, if there was one, is left as it was."_s);
}

using ReportFromMainWindowTest = MainWindowTest;

// Alt+Q opens "Database Functions" modally over the main window; after a dues reset there the
// main window's own listing, selection and entry area stay as the operator left them.
TEST_F(ReportFromMainWindowTest, AltQOpensTheReportAndTheMainWindowKeepsItsListing)
{
    open();
    typeInto("Text11", u"ar"_s); // Mary Baker and Carl Carter

    const QStringList listed = listLines();
    ASSERT_EQ(listed, (QStringList{u"Baker, Mary "_s, u"Carter, Carl  - N3XYZ"_s}));
    clickRow(1);
    ASSERT_EQ(session->selectedRecord(), 2);
    const QString entry = form();

    QString seen; // the title, and whether the window is a modal dialog
    const ModalWatch resetting([&](QWidget *report) {
        seen = report->windowTitle() +
               (qobject_cast<QDialog *>(report) && report->isModal() ? u" modal"_s : QString());
        desktop.messages.answerNext(Answer::Yes);
        QTest::mouseClick(report->findChild<QWidget *>(u"Command3"_s), Qt::LeftButton);
        QTest::keyClick(report, Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::AltModifier);

    EXPECT_EQ(seen, u"Database Functions modal"_s);
    EXPECT_EQ(listLines(), listed);
    EXPECT_EQ(session->selectedRecord(), 2);
    EXPECT_EQ(window->entryMode(), EntryMode::Record);
    EXPECT_EQ(form(), entry); // the boxes show what was loaded before the reset
    // Clicking the line still selected loads the member again, with the flag as the roll holds it;
    // her voting "y" ticks its box (ARRL, voting, dues).
    clickRow(1);
    EXPECT_EQ(form().section(u'|', 15, 17), u"N|Y|N"_s);
}

// "&Use This List" makes the report's lines, in the order shown after a query and after a title
// click, the main window's list, which Write File then takes (Escape keeps it, above). The line
// under the list says what it holds.
TEST_F(ReportFromMainWindowTest, UseThisListTakesTheReportsLinesInTheirOrder)
{
    const auto member = [](const char *last, const char *expires, const char *dues) {
        return fileRecord({"", "E", "", last, "1 Way", "", "", "", "", "", "", expires, "", "", "",
                           "N", "N", dues, ""});
    }; // Adams's dues are "N" and his membership expires 12/31/2026; Baker's are "Y"
    open(threeMembers + member("Evans", "1/1/2026", "n") + member("Ford", "6/1/2026", "") +
         member("Gray", "", "y"));
    const auto shown = [this] { // the line, then the name line of each block of Address.txt
        click("Command6");
        QStringList seen{listSummary()};
        for (QString block : QString::fromLatin1(files.read(u"Address.txt"_s)).split(u"\r\n\r\n"_s))
            seen << block.remove(QRegularExpression(u"^ARS .*\r\n"_s)).section(u"\r\n"_s, 0, 0);
        return seen.join(u'|');
    };
    // The query of option (with date in the box), its lines sorted by the title at column.
    const auto use = [this](const QString &date, const char *option, int column) {
        const ModalWatch watch([&](QWidget *report) {
            report->findChild<QLineEdit *>(u"Text1"_s)->setText(date);
            for (const char *id : {option, "Command1"})
                report->findChild<QAbstractButton *>(QString::fromLatin1(id))->click();
            emit report->findChild<QHeaderView *>()->sectionClicked(column);
            report->findChild<QAbstractButton *>(u"Command5"_s)->click();
        });
        trigger(u"mnuFunctions"_s);
        showActive(); // as a window manager gives the activation back
    };
    use(u"13/45/2026"_s, "Option4", 3); // no date: the dues flag alone decides; by Last
    EXPECT_EQ(shown(), u"4 members: dues not paid|John Q Adams|Carl Carter|E Evans|E Ford|"_s);
    use(u"01/01/27"_s, "Option2", 11); // by Expires, as text
    EXPECT_EQ(shown(),
              u"3 members: club expiration earlier than 1/1/2027|E Evans|John Q Adams|E Ford|"_s);
}

// "&Print List" opens " Label Format"; Escape closes it, the focus back in the Call box. "&Help"
// opens readtess.txt, its CR LF as line breaks, read-only, without the copy writer's button.
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
    const ModalWatch labels(closeWhenUp);
    click("Command7");
    // The focus waits in the Call box for the main window to be active again.
    EXPECT_EQ(window->focusWidget(), line("Text12"));
    showActive();
    const ModalWatch help(closeWhenUp);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(seen, (QStringList{u" Label Format"_s, u"Help Page"_s, u"Caf\u00e9\nHelp"_s}));
}

// File > Update Licenses from FCC File: the preview of what the FCC's file says, and the
// ticked changes taken in one step.
class LicensesTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        // Adams holds General to 7/4/2030, Baker's K3OLD is now W3NEW, Carter holds Extra with
        // no date, Doe has no call sign; one line of the file is damaged.
        writeZip(files.path(u"l_amat.zip"_s),
                 {{"AM.dat", amLine(1, "K3ABC", "A") + amLine(2, "N3XYZ", "E") +
                                 amLine(3, "W3NEW", "T", "K3OLD") + "AM|4\r\n"},
                  {"HD.dat", hdLine(1, "K3ABC", 'A', "07/04/2020", "07/04/2030") +
                                 hdLine(2, "N3XYZ", 'A', "01/15/2021", "01/15/2031") +
                                 hdLine(3, "W3NEW", 'A', "03/01/2024", "03/01/2034")}});
        open(held);
        desktop.files.answers.push_back(files.path(u"l_amat.zip"_s));
    }

    const QByteArray baker = QByteArray(bakerRecord).replace(0, 2, "\"K3OLD\"");
    const QByteArray doe = fileRecord(
        {"", "Dan", "", "Doe", "", "", "", "", "", "", "", "", "", "", "", "N", "N", "N"});
    const QByteArray held = adamsRecord + baker + carterRecord + doe;

    // Runs the command; act gets the preview once it is up and answers it.
    void update(const std::function<void(QDialog *, QTableView *)> &act)
    {
        const ModalWatch preview(
            [&](QWidget *up) {
                act(qobject_cast<QDialog *>(up), up->findChild<QTableView *>(u"LicenseRows"_s));
            },
            u"LicensePreview"_s);
        trigger(u"mnuLicenses"_s);
        EXPECT_TRUE(preview.seen()) << "no preview came up";
    }

    // The titles, then the rows as shown, cells joined by " | ", the tick first as [x], [ ] or
    // - (none).
    static QStringList rowsOf(const QAbstractItemModel *table)
    {
        QStringList titles;
        for (int c = 0; c < table->columnCount(); ++c)
            titles << table->headerData(c, Qt::Horizontal).toString();
        QStringList rows{titles.join(u" | "_s)};
        for (int r = 0; r < table->rowCount(); ++r) {
            const QModelIndex tick = table->index(r, 0);
            QStringList cells{(tick.flags() & Qt::ItemIsUserCheckable) == 0  ? u"-"_s
                              : tick.data(Qt::CheckStateRole) == Qt::Checked ? u"[x]"_s
                                                                             : u"[ ]"_s};
            for (int c = 1; c < table->columnCount(); ++c)
                cells << table->index(r, c).data().toString();
            rows << cells.join(u" | "_s);
        }
        return rows;
    }
};

TEST_F(LicensesTest, OkTakesExactlyTheTickedChangesAndTheEntryAreaShowsThem)
{
    clickRow(3); // Carter, whose date the file gives
    update([](QDialog *preview, QTableView *table) {
        // The file's date stands once, above the rows, and no row repeats it.
        const QString summary = preview->findChild<QLabel *>(u"LicenseSummary"_s)->text();
        const QRegularExpression told(
            u"^3 members with a call sign compared with l_amat\\.zip of \\d{1,2}/\\d{1,2}/\\d{4}: "
            "3 changes proposed\\. Nothing changes until you click OK\\. 1 damaged line of the "
            "file was skipped\\.$"_s);
        EXPECT_TRUE(told.match(summary).hasMatch()) << summary.toStdString();
        // A new call sign is proposed but not ticked: it is the operator's to take.
        EXPECT_EQ(rowsOf(table->model()),
                  (QStringList{u"Take | Member | Call | Field | In the Roll | In the FCC File"_s,
                               u"[x] | John Adams | K3ABC | Class | General | Advanced"_s,
                               u"[ ] | Mary Baker | K3OLD | Call | K3OLD | W3NEW"_s,
                               u"[x] | Carl Carter | N3XYZ | Lic Exp |  | 1/15/2031"_s}));
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::keyClick(table, Qt::Key_Space); // unticks it, as the operator does
        // The keyboard belongs to the preview, as a window manager gives it to a new window;
        // an activation still on its way to the main window may come first.
        preview->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([preview] { return QApplication::activeWindow() == preview; }));
        // Typed where the focus is; the access key clicks OK a moment later, as a mouse would.
        QTest::keyClick(table, Qt::Key_O, Qt::AltModifier);
        if (!QTest::qWaitFor([preview] { return !preview->isVisible(); })) {
            ADD_FAILURE() << "Alt+O did not press OK";
            preview->accept();
        }
    });
    EXPECT_EQ(desktop.files.titles, QStringList{u"Choose the FCC License File"_s});
    expectMessage(1, u"Licenses Updated"_s, u"1 member was brought up to date."_s);
    EXPECT_EQ(roll(),
              adamsRecord + baker +
                  fileRecord({"N3XYZ", "Carl", "", "Carter", "9 Pine Rd", "Media", "PA", "19063",
                              "", "", "", "", "", "Extra", "1/15/2031", "N", "N", "N", ""}) +
                  doe);
    EXPECT_EQ(line("Text17")->text(), u"1/15/2031"_s);

    // A save that fails after OK is told, and nothing says changes not in the file were made.
    // Adams, whose class they change, was cleared from the boxes first: they stay empty.
    showActive();
    clickRow(1);
    click("Command4");
    desktop.files.answers.push_back(files.path(u"l_amat.zip"_s));
    withFileSizeCap(64, [&] { update([](QDialog *preview, QTableView *) { preview->accept(); }); });
    expectEmptyFormInAddMode();
    expectMessage(2, u"Trouble saving data!"_s);
}

// Every proposal taken, Baker's new call sign ticked by hand: the result counts members.
TEST_F(LicensesTest, TheResultCountsTheMembersChanged)
{
    update([](QDialog *preview, QTableView *table) {
        table->setCurrentIndex(table->model()->index(1, 0));
        QTest::keyClick(table, Qt::Key_Space);
        preview->accept();
    });
    expectMessage(1, u"Licenses Updated"_s, u"3 members were brought up to date."_s);
}

// Cancel changes nothing; a file that cannot be read is named, and the roll stays as it was.
TEST_F(LicensesTest, CancelOrAnUnreadableFileChangesNothing)
{
    update([](QDialog *preview, QTableView *) { preview->reject(); });
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(roll(), held);

    showActive(); // as a window manager gives the activation back from the closed preview
    files.write(u"l_amat.zip"_s, "not a zip");
    desktop.files.answers.push_back(files.path(u"l_amat.zip"_s));
    trigger(u"mnuLicenses"_s);
    settle();
    expectMessage(1, u"Update Licenses"_s,
                  u"The FCC license file %1 could not be read: l_amat.zip is not a zip file, or is "
                  "cut off\n\nThe roll was not changed."_s.arg(files.shown(u"l_amat.zip"_s)));
    EXPECT_EQ(roll(), held);
}

TEST_F(MainWindowTest, ARollWithNothingToCompareIsToldSoBeforeAnyFileIsAskedFor)
{
    const std::pair<QByteArray, QString> rolls[] = {
        {{},
         u"The roll holds no members, so there is nothing to compare with the FCC license "
         "file."_s},
        {bakerRecord, u"No member of the roll has a call sign, so there is nothing to compare "
                      "with the FCC license file."_s}};
    for (const auto &[held, told] : rolls) {
        open(held);
        trigger(u"mnuLicenses"_s);
        EXPECT_TRUE(desktop.files.titles.isEmpty());
        expectMessage(1, u"Update Licenses"_s, told);
        EXPECT_EQ(roll(), held);
    }
}

} // namespace
} // namespace tessaly::testing
