#include "forms/page_preview.h"
#include "label_rules/label_page.h"
#include "label_rules/label_plan.h"
#include "label_window/label_window.h"
#include "qt_platform/qt_printer.h"

#include "linux_facilities.h"
#include "member_records.h"
#include "window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace tessaly::testing {
namespace {

// call, first, middle, last, address
const QByteArray kAdams =
    fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St\r\nApt 2", "Media", "PA", "19063"});
const QByteArray kBaker =
    fileRecord({"", "Mary", "", "Baker", "5 Elm St", "Chester", "PA", "19013"});
const QByteArray kCarter = fileRecord({"N3XYZ", "", "", "Carter", "", "", "", ""});

class LabelWindowTest : public WindowTest<LabelWindow> {
  protected:
    void SetUp() override
    {
        startSession(kAdams + kBaker + kCarter);
        ASSERT_TRUE(session->load().outcome.ok());
    }
    void TearDown() override { window.reset(); }
    QWidget opener; // stands for the main window
    // parent: the window that opens it, as the main window does.
    void open(std::vector<int> listed = {1, 2, 3}, QWidget *parent = nullptr)
    {
        window.reset();
        window = std::make_unique<LabelWindow>(*session, std::move(listed), desktop.platform(),
                                               parent);
        showActive();
    }
    void pressEnter(QWidget *button)
    {
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        settle();
    }
    // That box shows its whole text from its first character.
    bool showsWhole(QLineEdit *shown) const
    {
        shown->grab(); // a box scrolls its text as it paints
        const int middle = shown->height() / 2;
        return shown->cursorPositionAt(QPoint(2, middle)) == 0 &&
               shown->cursorPositionAt(QPoint(shown->width() - 3, middle)) ==
                   shown->text().size();
    }
    QLineEdit *box(int n) const { return line(("Text" + QByteArray::number(n)).constData()); }
    // The nine boxes' texts, Text1 to Text9, joined by "|".
    QString boxTexts() const
    {
        QStringList texts;
        for (int n = 1; n <= 9; ++n)
            texts << box(n)->text();
        return texts.join(u'|');
    }
    // Types text into box n from empty; enter also leaves it with Tab.
    void type(int n, const QString &text)
    {
        box(n)->clear();
        box(n)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box(n), text);
    }
    void enter(int n, const QString &text)
    {
        type(n, text);
        QTest::keyClick(box(n), Qt::Key_Tab);
    }
    // Alt+V presses "Pre&view" a moment later, as a click shows it: until the preview has
    // the keyboard or a refusal is told.
    void previewByKey()
    {
        const std::size_t told = desktop.messages.shown.size();
        QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return (previewDialog() != nullptr && previewDialog()->isActiveWindow()) ||
                   desktop.messages.shown.size() > told;
        }));
    }
    QLabel *preview() const { return control<QLabel>("Label8"); }
    QComboBox *sheets() const { return control<QComboBox>("Combo1"); }
    QDialog *previewDialog() const { return window->findChild<QDialog *>(u"LabelPreview"_s); }
    QListWidget *fonts() const { return control<QListWidget>("List1"); }
    QString printers() const
    {
        return offeredPrinters(control<QComboBox>("Combo2"), control<QSpinBox>("Spin1"));
    }
    // Page (from 1) of the open preview as it draws it.
    DrawnPage previewPage(int page) const
    {
        const auto *pages = previewDialog()->findChild<PreviewPages *>(u"PreviewPages"_s);
        EXPECT_NE(pages, nullptr);
        const QSizeF letter = QPageSize(QPageSize::Letter).size(QPageSize::Point);
        return drawnPage([pages](QPainter &painter, int n) { pages->paintPreviewPage(painter, n); },
                         page, {letter, QRectF(QPointF(0, 0), letter)});
    }
};

// The first opening, without a settings file: the design's texts in the boxes, a caption with
// its tooltip, the fonts in alphabetical order with the printer's current one, exactly as it is
// spelt, selected and the preview written in it, and the focus order from the Rows box it opens in.
TEST_F(LabelWindowTest, FirstOpeningShowsTheDesignTextsAndSaysOnceThatNoSettingsWereRead)
{
    desktop.printer.families = QStringList{u"Times New Roman"_s, u"arial"_s, u"Arial"_s};
    open();
    EXPECT_EQ(window->windowTitle(), u" Label Format"_s);
    expectMessage(1, u"Label default file error."_s, u"Error reading label default file."_s);
    EXPECT_EQ(boxTexts(), u"10|3|.52|.1|1|2.75|1|1|10"_s);
    EXPECT_EQ(sheets()->currentText(), u"Custom"_s);
    EXPECT_EQ(columnOf(fonts()->model()),
              (QStringList{u"arial"_s, u"Arial"_s, u"Times New Roman"_s}));
    ASSERT_NE(fonts()->currentItem(), nullptr);
    EXPECT_EQ(fonts()->currentItem()->text() + u'|' + preview()->text() + u'|' +
                  preview()->font().family(),
              u"Arial|Font Style|Arial"_s);
    EXPECT_EQ(control<QLabel>("Label3")->text() + u'|' + control<QLabel>("Label3")->toolTip(),
              u"Top Margin (Inches - measure from top of page to top edge of first label)|"
              u"Depending on your printer, you may have to subtract the printer's default top "
              u"margin."_s);
    for (const char *id : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                           "List1", "Text9", "Check1", "Combo2", "Spin1", "Command1", "Command2",
                           "Combo1", "Text1"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(id));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// Read from the settings file; without a printer each font step says so. On a screen twice the
// design's width and one and a half times its height the window stretches by each, its fonts by
// the smaller, and it stands in the middle of the screen.
TEST_F(LabelWindowTest, OpensWithTheSettingsFileAndWithoutAPrinterSaysSoForEachFontStep)
{
    files.write(u"labelrcp.dat"_s, "8,2,0.5,.25,1.5,4,12\r\n");
    desktop.printer.families.reset();
    desktop.printer.current.reset();
    desktop.desktop.screen = QSize(1280, 720);
    open();
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    for (const ShownMessage &shown : desktop.messages.shown)
        EXPECT_EQ(shown.title + u'|' + shown.text,
                  u"Choose Default Font!|No Default Font Specified!"_s);
    EXPECT_EQ(boxTexts(), u"8|2|.5|.25|1.5|4|1|1|12"_s);
    EXPECT_EQ(preview()->font().pointSizeF(), 12.0);
    EXPECT_EQ(std::pair(window->pos(), window->size()),
              std::pair(QPoint(117, 93), QSize(1046, 534)));
    EXPECT_DOUBLE_EQ(box(1)->font().pointSizeF(), 1.5 * QFont().pointSizeF());
}

// The boxes take only digits and points and put a bad value right on leaving, the start column
// compared with the columns as numbers; the preview takes the size while it is typed.
TEST_F(LabelWindowTest, BoxesTakeOnlyDigitsAndPointsAndPutBadValuesRightOnLeaving)
{
    files.write(u"labelrcp.dat"_s, "10,3,.52,123456.7,1,2.75,10\r\n");
    open();
    // A value too long for its box shows from its first character.
    box(4)->grab();
    EXPECT_EQ(box(4)->cursorPositionAt(QPoint(2, box(4)->height() / 2)), 0);
    type(1, u"a-/+ ,x"_s);
    EXPECT_EQ(box(1)->text(), QString());
    const double sample = preview()->font().pointSizeF();
    enter(2, u"12"_s);
    EXPECT_EQ(preview()->font().pointSizeF(), sample); // only the font size box sizes the sample
    enter(8, u"3"_s);
    EXPECT_EQ(box(8)->text(), u"3"_s);
    type(9, u"14"_s);
    EXPECT_EQ(preview()->font().pointSizeF(), 14.0);
    type(9, u"0.5"_s);
    QTest::keyClick(box(9), Qt::Key_Tab);
    EXPECT_EQ(box(9)->text() + u' ' + QString::number(preview()->font().pointSizeF()), u"10 10"_s);
    // Every box is wide enough for the longest measure of the sheet list.
    for (int n = 1; n <= 9; ++n) {
        type(n, u"0.15625"_s);
        EXPECT_TRUE(showsWhole(box(n))) << n;
    }
}

// A box that holds no number (pasted, not left) or a sheet that cannot be laid out is refused,
// naming the box by its caption, before anything is written or printed, and the window stays
// open at the box to correct. What the printer makes of the job is told: a failure beeps, says
// why and hides the window, a file that could not be written is named with the system's reason,
// a job waiting in a stopped queue and the PDF written without a printer are told as such; the
// focus is then back in the window that opened the label window.
TEST_F(LabelWindowTest, ALayoutThatCannotBePrintedIsRefusedAndThePrintersAnswerIsTold)
{
    open();
    desktop.messages.shown.clear();
    QGuiApplication::clipboard()->setText(u"x"_s); // a paste is not filtered
    box(8)->setFocus(Qt::TabFocusReason);
    box(8)->selectAll();
    box(8)->paste();
    const QString notANumber =
        u"The box \"Column\" after \"Begin with label on Row\" must hold a number.\n"
        "Nothing was printed or saved."_s;
    previewByKey();
    EXPECT_EQ(previewDialog(), nullptr);
    expectMessage(1, u"Label Format Not Printed"_s, notANumber);
    click("Command1");
    expectMessage(2, u"Label Format Not Printed"_s, notANumber);
    enter(8, u"1"_s);
    enter(2, u"0"_s);
    click("Command1");
    expectMessage(3, u"Label Format Not Printed"_s);
    EXPECT_TRUE(desktop.printer.jobs.empty());
    EXPECT_FALSE(files.exists(u"labelrcp.dat"_s));
    EXPECT_TRUE(window->isVisible());
    settle();
    EXPECT_TRUE(box(2)->hasFocus());
    // The box the refusal put the focus in keeps its leave rule.
    box(2)->clear();
    QTest::keyClick(box(2), Qt::Key_Tab);
    EXPECT_EQ(box(2)->text(), u"1"_s);

    using Fate = PrintResult::Fate;
    const QString shownPdf = QDir::toNativeSeparators(u"/club/Labels.pdf"_s);
    const std::tuple<PrintResult, QString, QString> answers[] = {
        {{Fate::Failed, {}, u"the printer PDF is not accepting jobs"_s},
         u"Printer Error!"_s,
         u"Printer Error!\n\nThe labels were not printed: the printer PDF is not accepting "
         "jobs."_s},
        {{Fate::Failed, u"/club/Labels.pdf"_s, u"No space left on device"_s},
         u"File Not Written"_s,
         shownPdf + u" could not be written: No space left on device.\n\nThe labels were "
                    "not printed, and any earlier file of that name is as it was."_s},
        {{Fate::Waiting, {}, u"the printer PDF is stopped"_s},
         u"Labels Waiting"_s,
         u"The labels were handed to the print system, but the printer PDF is stopped."_s},
        {{Fate::Saved, u"/club/Labels.pdf"_s, {}},
         u"Labels Saved"_s,
         u"This computer has no printer, so the labels were saved as a PDF file:\n\n"_s +
             shownPdf + u"\n\nOpen it to print it or to look at it."_s},
    };
    opener.show();
    const auto print = [&](const std::function<void()> &clickPrint) {
        opener.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
        open({1, 2, 3}, &opener);
        desktop.messages.shown.clear();
        desktop.messages.beeps = 0;
        clickPrint();
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&opener));
    };
    for (const auto &[answer, title, text] : answers) {
        SCOPED_TRACE(title.toStdString());
        desktop.printer.answer = answer;
        print([this] { click("Command1"); });
        expectMessage(1, title, text);
        EXPECT_EQ(desktop.messages.beeps, answer.fate == Fate::Failed ? 1 : 0);
        EXPECT_TRUE(files.exists(u"labelrcp.dat"_s));
    }
    // Settings that cannot be saved stop the print before the printer, told as the file's.
    const std::size_t jobs = desktop.printer.jobs.size();
    const QString settings = files.path(u"labelrcp.dat"_s);
    print([this] { withFileSizeCap(8, [this] { click("Command1"); }); });
    expectMessage(1, u"File Not Written"_s);
    EXPECT_TRUE(desktop.messages.shown[0].text.startsWith(
        settings + u" could not be written: File too large.\n\nThe labels were not printed"_s));
    EXPECT_EQ(desktop.messages.beeps, 1);
    EXPECT_EQ(desktop.printer.jobs.size(), jobs);
}

// Choosing a sheet fills the sheet boxes, a start column the sheet does not have going back to
// 1; the list names the sheet the boxes hold as they are typed, and an A4 sheet prints on A4.
TEST_F(LabelWindowTest, TheSheetListFillsTheBoxesAndFollowsThem)
{
    open({1});
    enter(8, u"3"_s);
    const auto choose = [this](Qt::Key from, Qt::Key step) {
        sheets()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(sheets(), from);
        QTest::keyClick(sheets(), step);
        return sheets()->currentText();
    };
    const QString twoAcross = choose(Qt::Key_Home, Qt::Key_Down);
    EXPECT_EQ(box(2)->text() + u' ' + box(8)->text(), u"2 1"_s);
    EXPECT_EQ(box(4)->text() + u' ' + box(6)->text(), u".15625 4.1875"_s);
    box(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box(3), Qt::Key_End);
    QTest::keyClick(box(3), Qt::Key_5);
    EXPECT_EQ(sheets()->currentText(), u"Custom"_s);
    QTest::keyClick(box(3), Qt::Key_Backspace);
    EXPECT_EQ(sheets()->currentText(), twoAcross);
    choose(Qt::Key_End, Qt::Key_Up); // the last sheet of the list is for A4
    pressEnter(control("Command1"));
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    EXPECT_EQ(desktop.printer.jobs[0].paper, QPageSize(QPageSize::A4));
}

// The installed printers with the default selected; the printer and copies chosen are the
// job's and are offered at the next opening; with no printer the list says where labels go.
TEST_F(LabelWindowTest, ThePrinterAndCopiesChosenArePrintedOnAndKeptForTheNextOpening)
{
    open({1});
    EXPECT_EQ(printers(), u"Front Desk|Office/Office/1"_s);
    control<QComboBox>("Combo2")->setCurrentIndex(0);
    control<QSpinBox>("Spin1")->setValue(3);
    click("Command1");
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    const PrinterChoice &printedOn = desktop.printer.jobs[0].choice;
    EXPECT_EQ(printedOn.printer + u' ' + QString::number(printedOn.copies), u"Front Desk 3"_s);
    open({1});
    EXPECT_EQ(printers(), u"Front Desk|Office/Front Desk/3"_s);
    desktop.printer.installed = {};
    open({1});
    EXPECT_EQ(printers(), u"No printer: the labels go to Labels.pdf/No printer: the labels go to "
                          u"Labels.pdf/3-"_s);
}

// The preview is drawn by the same renderer as the print: the same lettering on the same
// pages, with every label of the sheet outlined; closing it writes and prints nothing, and its
// "&Print" is the window's: it writes the settings, prints from the start label in the chosen
// font, which the printer keeps, and hides the window.
TEST_F(LabelWindowTest, ThePreviewShowsWhatPrintWouldPrintWithTheSheetOutlined)
{
    files.write(u"labelrcp.dat"_s, "2,2,0.5,0.25,1,3,12\r\n");
    open({1, 2, 3});
    enter(7, u"2"_s);
    enter(8, u"2"_s);
    fonts()->setCurrentRow(1);
    EXPECT_EQ(preview()->font().family(), u"Courier New"_s); // the sample follows the choice
    previewByKey();
    QDialog *dialog = previewDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLabel *>(u"PreviewSummary"_s)->text(), u"3 labels on 2 pages"_s);
    const std::vector<DrawnPage> shown{previewPage(1), previewPage(2)};
    // The first page's paper starts a 12-pixel gap from the top of the view.
    auto *pages = dialog->findChild<PreviewPages *>(u"PreviewPages"_s);
    EXPECT_EQ(pages->grab().toImage().pixelColor(pages->width() / 2, 14), QColor(Qt::white));
    // The keys scroll the pages, which have the focus; Enter there prints nothing by itself.
    EXPECT_EQ(QApplication::focusWidget(), pages);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    // Enter presses a button that has the focus, here and in the window, as Space does.
    pressEnter(dialog->findChild<QPushButton *>(u"PreviewClose"_s));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::tuple(previewDialog(), window->isVisible(), desktop.printer.jobs.size(),
                         files.read(u"labelrcp.dat"_s)),
              std::tuple(nullptr, true, std::size_t{0}, QByteArray("2,2,0.5,0.25,1,3,12\r\n")));

    pressEnter(control("Command2"));
    ASSERT_NE(previewDialog(), nullptr);
    QTest::mouseClick(previewDialog()->findChild<QPushButton *>(u"PreviewPrint"_s), Qt::LeftButton);
    EXPECT_EQ(
        std::tuple(files.read(u"labelrcp.dat"_s), window->isVisible(), desktop.printer.current),
        std::tuple(QByteArray("2,2,.5,.25,1,3,12\r\n"), false, u"Courier New"_s));
    ASSERT_EQ(desktop.printer.jobs.size(), 1u);
    EXPECT_EQ(desktop.printer.jobs[0].paper, QPageSize(QPageSize::Letter));
    const std::vector<DrawnPage> &printed = desktop.printer.jobs[0].pages;
    ASSERT_EQ(printed.size(), 2u);
    for (std::size_t page = 0; page < 2; ++page) {
        EXPECT_EQ(shown[page].texts, printed[page].texts) << page;
        EXPECT_EQ(shown[page].outlines.size(), 4) << page;
        EXPECT_EQ(shown[page].outlines.value(3), u"outline 234.0,108.0 216.0x72.0"_s) << page;
        EXPECT_TRUE(printed[page].outlines.isEmpty());
    }
    // Row 2, column 2 of the sheet: 3.25 in from the left edge.
    EXPECT_TRUE(printed[0].texts.value(0).startsWith(u"234.0,"_s));
    EXPECT_TRUE(printed[0].texts.value(0).endsWith(u" ARS K3ABC"_s));
}

// Alt+H ticks "One label per &household" (clear at opening, and of every other control): the
// Adamses at one address (case and blanks aside) share a label, in the preview and its count.
TEST_F(LabelWindowTest, OneLabelPerHouseholdJoinsTheMembersOfOneAddress)
{
    startSession(kAdams + kBaker + kCarter +
                 fileRecord({"W3DEF", "Abby", "", "adams", "12 Oak St\r\nApt  2", "MEDIA", "PA",
                             "19063"}));
    ASSERT_TRUE(session->load().outcome.ok());
    open({1, 2, 3, 4});
    auto *households = control<QAbstractButton>("Check1");
    for (QWidget *other : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == households || !other->geometry().intersects(households->geometry()))
            << other->objectName().toStdString();
    for (const auto &[ticked, shows] :
         {std::pair(true, u"3 labels on 1 page|ARS K3ABC, W3DEF|John Q & Abby Adams"_s),
          std::pair(false, u"4 labels on 1 page|ARS K3ABC|John Q Adams"_s)}) {
        // The access key clicks the box as a click shows it, a moment later.
        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return households->isChecked() == ticked; }));
        previewByKey();
        ASSERT_NE(previewDialog(), nullptr);
        const QStringList texts = previewPage(1).texts;
        EXPECT_EQ(previewDialog()->findChild<QLabel *>(u"PreviewSummary"_s)->text() + u'|' +
                      texts.value(0).section(u' ', 1) + u'|' + texts.value(1).section(u' ', 1),
                  shows);
        pressEnter(previewDialog()->findChild<QPushButton *>(u"PreviewClose"_s));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// What poppler's pdftotext reads in the file: what the operator would find on paper.
QString pdfToText(const QString &pdf, const QString &option)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {option, pdf, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext comes with poppler-utils";
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The top-left corner of each word "ARS", in whole points from the corner of its sheet.
QString callSignCorners(const QString &bboxHtml)
{
    QStringList corners;
    const QRegularExpression word(u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>ARS</word>"_s);
    for (auto match = word.globalMatch(bboxHtml); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        corners.append(u"%1,%2"_s.arg(qRound(found.captured(1).toDouble()))
                           .arg(qRound(found.captured(2).toDouble())));
    }
    return corners.join(u' ');
}

// 31 members on the default sheet (10 rows of 3) through the real printer, which writes
// Labels.pdf when the system has no printer.
TEST(LabelPdf, ThirtyOneMembersOnTenByThreeFillPageOneAndStartPageTwo)
{
    MemberStore store = storeOf({u"W3NEW|Dora|Q|Dunn|12 Oak St\r\nApt 4|Media|PA|19063"_s});
    std::vector<int> listed{1};
    for (int n = 2; n <= 31; ++n) {
        const QString number = u"%1"_s.arg(n, 2, 10, QChar(u'0'));
        store.append(recordOf(u"N3M%1|Ann||Roe%1|%2 Elm St|Upland|PA|19015"_s.arg(number).arg(n)));
        listed.push_back(n);
    }
    TempRoll files;
    // With a printer on the system, the test must not print on it.
    QtPrinter printer(files.dir(), QPrinterInfo::availablePrinters().isEmpty()
                                       ? QtPrinter::Destination::DefaultPrinter
                                       : QtPrinter::Destination::PdfFile);
    const LabelPlan plan = planLabels(store, listed, LabelLayout{}, 1, 1);
    const LabelLettering lettering{u"DejaVu Sans"_s, 10, {}};
    const PrintResult result = printer.print(labelDocument(plan, lettering, Paper::Letter));
    ASSERT_EQ(result.fate, PrintResult::Fate::Saved) << result.reason.toStdString();
    const QString pdf = files.path(u"Labels.pdf"_s);
    ASSERT_EQ(result.file, pdf);

    // Page 1 full and page 2 holding the last member, each ended by a form feed.
    const QStringList pages = pdfToText(pdf, u"-layout"_s).split(u'\f');
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages.at(0).simplified().startsWith(
        u"ARS W3NEW ARS N3M02 ARS N3M03 Dora Q Dunn Ann Roe02 Ann Roe03 "
        u"12 Oak St 2 Elm St 3 Elm St Apt 4 Upland PA 19015 Upland PA 19015 Media PA 19063 "
        u"ARS N3M04"_s))
        << pages.at(0).toStdString();
    EXPECT_EQ(pages.at(1).simplified(), u"ARS N3M31 Ann Roe31 31 Elm St Upland PA 19015"_s);

    // On a Letter sheet, labels .1 in from the left and 2.75 in apart, .52 in from the top and
    // 1 in apart: a line hung from its baseline or an unmeasured page margin moves them all.
    const QString bbox = pdfToText(pdf, u"-bbox"_s);
    EXPECT_EQ(bbox.count(u"<page width=\"612.000000\" height=\"792.000000\">"_s), 2);
    QStringList corners;
    for (int row = 0; row < 10; ++row)
        corners.append(u"7,%1 205,%1 403,%1"_s.arg(37 + 72 * row));
    corners.append(u"7,37"_s); // page 2
    EXPECT_EQ(callSignCorners(bbox), corners.join(u' '));

    // Labels meant for A4 paper go into an A4 Labels.pdf.
    ASSERT_EQ(printer.print(labelDocument(plan, lettering, Paper::A4)).fate,
              PrintResult::Fate::Saved);
    EXPECT_EQ(pdfToText(pdf, u"-bbox"_s).count(u"<page width=\"595."_s), 2);
}

} // namespace
} // namespace tessaly::testing
