#include "export_commands/export_commands.h"

#include "window_test.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace tessaly::testing {
namespace {

const QByteArray kRoll =
    fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St\r\nApt 2", "Media", "PA", "19063",
                "610-555-0101", "golf", "ja@example.org; JOHN@example.org"}) +
    fileRecord({"", "Mary", "", "Baker", "5 Elm St", "Chester", "PA", "19013", "", "", ""}) +
    fileRecord({"N3XYZ", "Carl", "", "Carter", "", "", "", "", "", "", "ja@EXAMPLE.org"});

class ExportCommandsTest : public WindowTest<QWidget> {
  protected:
    void SetUp() override
    {
        startSession(kRoll);
        ASSERT_TRUE(session->load().outcome.ok());
        window = std::make_unique<QWidget>();
        showActive();
    }
    // Presses the named button of the preview once it is up, keeping what it shows.
    void whenPreviewUp(const char *button)
    {
        preview.emplace([this, button](QWidget *up) {
            summary = up->findChild<QLabel *>(u"PreviewSummary"_s)->text();
            printers = offeredPrinters(up->findChild<QComboBox *>(u"PreviewPrinter"_s),
                                       up->findChild<QSpinBox *>(u"PreviewCopies"_s));
            QTest::mouseClick(up->findChild<QPushButton *>(QString::fromLatin1(button)),
                              Qt::LeftButton);
        });
    }
    std::optional<ModalWatch> preview;
    QString summary;
    QString printers;
};

TEST_F(ExportCommandsTest, ExportWritesTheListedMembersWhereTheOperatorChose)
{
    exportListedMembers(*session, {3, 1}, desktop.platform());
    EXPECT_EQ(desktop.files.titles, QStringList{u"Export Listed Members"_s});
    EXPECT_EQ(desktop.files.directories, QStringList{files.path(u"Members.csv"_s)});
    EXPECT_FALSE(files.exists(u"Members.csv"_s)); // cancelled: nothing written, nothing said
    EXPECT_TRUE(desktop.messages.shown.empty());

    desktop.files.answers.push_back(files.path(u"Members.csv"_s));
    exportListedMembers(*session, {3, 1}, desktop.platform());
    const QList<QByteArray> rows = files.read(u"Members.csv"_s).split('\n');
    ASSERT_EQ(rows.size(), 5); // header, Carter, Adams over two lines, and the end
    EXPECT_TRUE(rows[1].startsWith("N3XYZ,") && rows[2].startsWith("K3ABC,"));
    expectMessage(1, u"Members Exported"_s,
                  u"2 members were exported to:\n\n"_s +
                      QDir::toNativeSeparators(files.path(u"Members.csv"_s)));

    const QString nowhere = files.path(u"gone/Members.csv"_s);
    desktop.files.answers.push_back(nowhere);
    exportListedMembers(*session, {}, desktop.platform());
    expectMessage(2, u"Members Not Exported"_s);
    EXPECT_TRUE(desktop.messages.shown.back().text.startsWith(
        u"The members could not be written to "_s + QDir::toNativeSeparators(nowhere) + u": "_s));
}

TEST_F(ExportCommandsTest, EmailAddressesGoToTheClipboardEachOnce)
{
    desktop.clipboard.text = u"kept"_s;
    copyEmailAddresses(*session, {2}, desktop.platform());
    expectMessage(1, u"No E-mail Addresses"_s,
                  u"None of the listed members has an e-mail address.\n\nThe clipboard was left "
                  "as it was."_s);
    EXPECT_EQ(desktop.clipboard.text, u"kept"_s);

    copyEmailAddresses(*session, {3, 2, 1}, desktop.platform());
    EXPECT_EQ(desktop.clipboard.text, u"ja@EXAMPLE.org, JOHN@example.org"_s);
    expectMessage(2, u"E-mail Addresses Copied"_s,
                  u"2 addresses were copied to the clipboard, ready for the Bcc box of one mail."
                  "\n\n1 listed member has no e-mail address."_s);

    desktop.clipboard.failing = true;
    copyEmailAddresses(*session, {1}, desktop.platform());
    expectMessage(3, u"Clipboard Not Available"_s);
}

TEST_F(ExportCommandsTest, TheDirectoryIsPreviewedThenPrintedOnThePrintersPaper)
{
    printMemberDirectory(*session, {}, desktop.platform(), window.get());
    expectMessage(1, u"Member Directory"_s);

    whenPreviewUp("PreviewClose");
    printMemberDirectory(*session, {1, 2, 3}, desktop.platform(), window.get());
    EXPECT_TRUE(desktop.printer.jobs.empty());

    // The preview offers the printer and copies chosen last (in the label window), the job's.
    desktop.printer.paper = QPageSize(QPageSize::A4);
    desktop.printer.choose({u"Front Desk"_s, 2});
    whenPreviewUp("PreviewPrint");
    printMemberDirectory(*session, {1, 2, 3}, desktop.platform(), window.get());
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    EXPECT_EQ(summary + u' ' + printers, u"3 members on 1 page Front Desk|Office/Front Desk/2"_s);
    const FakePrinter::Job &job = desktop.printer.jobs[0];
    ASSERT_EQ(std::tuple(job.name, job.paper, job.pages.size(), job.choice.printer,
                         job.choice.copies),
              std::tuple(u"Directory"_s, QPageSize(QPageSize::A4), std::size_t{1},
                         u"Front Desk"_s, 2));
    // Half an inch in from the paper's edge, the day under the heading, each member's lines,
    // the page count last.
    const QStringList &texts = job.pages[0].texts;
    EXPECT_TRUE(texts.first().startsWith(u"36.0,"_s));
    for (const QString &word : {u"12/6/2026"_s, u"Carter, Carl"_s, u"N3XYZ"_s, u"Apt 2"_s,
                                u"Chester PA 19013"_s, u"610-555-0101"_s, u"ja@EXAMPLE.org"_s})
        EXPECT_EQ(texts.filter(word).size(), 1) << word.toStdString();
    EXPECT_TRUE(texts.last().endsWith(u" Page 1 of 1"_s));

    // Told by the labels' rule in the directory's words, and the focus is back in the window the
    // command came from. Without a printer the list says where the directory goes.
    using Fate = PrintResult::Fate;
    const std::tuple<PrintResult, QString, QString> answers[] = {
        {{Fate::Failed, {}, u"the printer PDF cancelled the job"_s},
         u"Printer Error!"_s,
         u"Printer Error!\n\nThe directory was not printed: the printer PDF cancelled the job."_s},
        {{Fate::Saved, u"/club/Directory.pdf"_s, {}},
         u"Directory Saved"_s,
         u"This computer has no printer, so the directory was saved as a PDF file:\n\n"_s +
             QDir::toNativeSeparators(u"/club/Directory.pdf"_s) +
             u"\n\nOpen it to print it or to look at it."_s}};
    for (const auto &[answer, title, text] : answers) {
        desktop.printer.answer = answer;
        if (answer.fate == Fate::Saved)
            desktop.printer.installed = {};
        const std::size_t before = desktop.messages.shown.size();
        whenPreviewUp("PreviewPrint");
        printMemberDirectory(*session, {1}, desktop.platform(), window.get());
        expectMessage(before + 1, title, text);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << title.toStdString();
    }
    EXPECT_EQ(desktop.messages.beeps, 1);
    EXPECT_EQ(printers, u"No printer: the directory goes to Directory.pdf/No printer: the "
                        u"directory goes to Directory.pdf/2-"_s);
}

} // namespace
} // namespace tessaly::testing
