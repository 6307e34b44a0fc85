#include "qt_platform/print_queue.h"
#include "qt_platform/qt_platform.h"
#include "qt_platform/qt_printer.h"

#include "linux_facilities.h"
#include "temp_roll.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::TempRoll;

TEST(QtPlatform, ClipboardTakesTextAndIsEmptiedByClear)
{
    QtPlatform qt;
    ASSERT_TRUE(qt.platform().clipboard.setText(u"ARS - K3ABC\r\nJohn Adams"_s));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"ARS - K3ABC\r\nJohn Adams"_s);
    ASSERT_TRUE(qt.platform().clipboard.clear());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// Puts a three-way question through the real QMessageBox and answers it with act once it
// is up; gives what the box showed (title, text, buttons, "default" and the default's
// caption) and the index it returned.
std::pair<QStringList, int> chooseWith(const std::function<void(QMessageBox &)> &act)
{
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box came up";
        seen << box->windowTitle() << box->text();
        for (QAbstractButton *button : box->buttons())
            seen << button->text();
        if (box->defaultButton() != nullptr)
            seen << u"default"_s << box->defaultButton()->text();
        act(*box);
    });
    QtMessageBoxes boxes;
    const int chosen = boxes.choose(u"Your changes are only in memory."_s, u"Unsaved Changes"_s,
                                    {u"Save Again"_s, u"Quit Without Saving"_s, u"Cancel"_s}, 0, 2);
    return {seen, chosen};
}

// Enter presses the default button, while Escape and closing the box answer with the escape
// button, the one that changes nothing. A yes-or-no question, Yes its default, gives the answer
// pressed: a No taken for a Yes would delete the member the operator meant to keep.
TEST(QtPlatform, ChooseShowsEveryButtonAndGivesTheIndexOfTheOnePressed)
{
    auto [seen, escaped] =
        chooseWith([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    ASSERT_GE(seen.size(), 5);
    std::sort(seen.begin() + 2, seen.begin() + 5); // the platform orders the buttons
    EXPECT_EQ(seen, (QStringList{u"Unsaved Changes"_s, u"Your changes are only in memory."_s,
                                 u"Cancel"_s, u"Quit Without Saving"_s, u"Save Again"_s,
                                 u"default"_s, u"Save Again"_s}));
    EXPECT_EQ(escaped, 2);
    const auto pressing = [](const QString &caption) {
        return [caption](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons()) {
                if (button->text() == caption)
                    button->click();
            }
        };
    };
    EXPECT_EQ(chooseWith(pressing(u"Save Again"_s)).second, 0);
    EXPECT_EQ(chooseWith(pressing(u"Quit Without Saving"_s)).second, 1);
    EXPECT_EQ(chooseWith([](QMessageBox &box) { box.close(); }).second, 2);

    for (const auto &[button, answer] :
         {std::pair{QMessageBox::Yes, Answer::Yes}, std::pair{QMessageBox::No, Answer::No}}) {
        QTimer::singleShot(0, [button = button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes)); // what Enter answers
            box->button(button)->click();
        });
        EXPECT_EQ(QtMessageBoxes().ask(u"Delete John Adams?"_s, u"Confirm Delete?"_s), answer);
    }
}

// A box is only as wide as its text, and a window manager cuts a wider title: each box makes
// room for its whole title and the frame's buttons (openbox: four of 20 pixels).
TEST(QtPlatform, EveryMessageBoxIsWideEnoughForItsTitle)
{
    const QString title = u"Valid Date Required."_s;
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int wanted = metrics.horizontalAdvance(title) + 4 * 20;
    const std::function<void(QtMessageBoxes &)> boxes[] = {
        [&](QtMessageBoxes &qt) { qt.inform(u"Please enter a valid date."_s, title); },
        [&](QtMessageBoxes &qt) { qt.ask(u"Add?"_s, title); },
        [&](QtMessageBoxes &qt) { qt.choose(u"Add?"_s, title, {u"Yes"_s, u"No"_s}, 0, 1); },
    };
    for (const auto &show : boxes) {
        int width = 0;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr) << "no message box came up";
            width = box->width();
            box->close();
        });
        QtMessageBoxes qt;
        show(qt);
        EXPECT_GE(width, wanted) << &show - boxes;
    }
}

PrintDocument lines(int pages, int linesPerPage)
{
    return {u"Labels"_s, QPageSize(QPageSize::Letter), pages,
            [linesPerPage](QPainter &painter, int page) {
                for (int line = 0; line < linesPerPage; ++line)
                    painter.drawText(
                        QPointF(100, 100 + 20 * line),
                        u"John Q Adams, 12 Oak St, Media PA 19063, page %1"_s.arg(page));
            }};
}

// Without a printer the pages go to Labels.pdf, written whole beside the earlier one and put
// in its place only when complete, with the font its text is drawn in: a PDF drawn without
// fonts (as Qt's offscreen platform on Windows draws without a fonts folder) has boxes for
// letters and no text at all.
TEST(QtPrinter, OnlyAWholeDocumentReplacesTheEarlierPdf)
{
    const QByteArray earlier = "%PDF-1.4 the labels printed last week\n%%EOF\n";
    TempRoll folder;
    folder.write(u"Labels.pdf"_s, earlier);
    const auto files = [&] { return QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden); };
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    EXPECT_EQ(printer.print(lines(0, 1)).fate, PrintResult::Fate::Printed); // nothing to print
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);

    const PrintResult saved = printer.print(lines(2, 3));
    ASSERT_EQ(saved.fate, PrintResult::Fate::Saved) << saved.reason.toStdString();
    const QByteArray pdf = folder.read(u"Labels.pdf"_s);
    EXPECT_EQ(std::tuple(saved.file, files(), pdf.left(7), pdf == earlier),
              std::tuple(folder.path(u"Labels.pdf"_s), QStringList{u"Labels.pdf"_s}, "%PDF-1."_ba,
                         false));
    EXPECT_TRUE(pdf.contains("/FontFile2")) << "no font embedded: the text would be boxes";
    // A PDF has no unprintable edge, and without a printer the paper is Letter.
    EXPECT_EQ(printer.pageArea(QPageSize(QPageSize::A4)).printable, QRectF(0, 0, 595, 842));
    EXPECT_EQ(printer.defaultPaper(), QPageSize(QPageSize::Letter));
}

// A run cut off half way (the disk full) leaves the earlier file and no stray one.
TEST(QtPrinter, ACutOffPdfLeavesTheEarlierOneAndNoStrayFile)
{
    const QByteArray earlier = "%PDF-1.4 the labels printed last week\n%%EOF\n";
    TempRoll folder;
    folder.write(u"Labels.pdf"_s, earlier);
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    PrintResult cut;
    testing::withFileSizeCap(2000, [&] { cut = printer.print(lines(20, 40)); });
    EXPECT_EQ(cut.fate, PrintResult::Fate::Failed);
    EXPECT_EQ(cut.reason + u' ' + cut.file, u"File too large "_s + folder.shown(u"Labels.pdf"_s));
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);
    EXPECT_EQ(QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"Labels.pdf"_s});
}

// The label window selects the printer's current font in the font list by its exact name; the
// list offers each family once, however many foundries provide it.
TEST(QtPrinter, EachFamilyOnceAndTheCurrentFontIsOneOfThem)
{
    TempRoll folder;
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    const QStringList families = printer.fontFamilies().value_or(QStringList{});
    ASSERT_FALSE(families.isEmpty());
    EXPECT_EQ(QSet<QString>(families.begin(), families.end()).size(), families.size());
    EXPECT_TRUE(families.filter(u" ["_s).isEmpty()) << families.join(u'|').toStdString();
    EXPECT_TRUE(families.contains(printer.currentFont().value_or(QString())));
    printer.rememberFont(u"DejaVu Serif"_s);
    printer.rememberFont(QString()); // no font chosen keeps the one the printer has
    EXPECT_EQ(printer.currentFont(), u"DejaVu Serif"_s);
}

// What the print system's answers mean for the job just handed over ("Labels", after job 7),
// whichever system gave them.
TEST(PrintQueue, TheNewestOfOurJobsTellsWhatBecameOfIt)
{
    const QueueState running, stopped{true, true};
    struct Case {
        const char *shape;
        std::vector<QueueJob> jobs;
        std::optional<QueueState> queue;
        JobFate fate;
    } cases[] = {
        {"forgotten at once", {}, running, JobFate::Taken},
        {"only older jobs", {{7, u"Labels"_s, JobState::Cancelled}}, running, JobFate::Taken},
        {"another document", {{8, u"Directory"_s, JobState::Cancelled}}, running, JobFate::Taken},
        {"cancelled", {{8, u"Labels"_s, JobState::Cancelled}}, running, JobFate::Refused},
        {"held", {{8, u"Labels"_s, JobState::Held}}, running, JobFate::Waiting},
        {"stopped by a fault", {{9, u"Labels"_s, JobState::Stopped}}, running, JobFate::Waiting},
        {"queued, printer stopped", {{8, u"Labels"_s, JobState::Queued}}, stopped, JobFate::Waiting},
        {"queued, printer running", {{8, u"Labels"_s, JobState::Queued}}, running, JobFate::Taken},
        {"queued, printer silent", {{8, u"Labels"_s, JobState::Queued}}, std::nullopt,
         JobFate::Taken},
        {"printing", {{8, u"Labels"_s, JobState::Printing}}, stopped, JobFate::Taken},
        {"newest of two", {{9, u"Labels"_s, JobState::Done}, {8, u"Labels"_s, JobState::Cancelled}},
         running, JobFate::Taken},
    };
    for (const Case &c : cases)
        EXPECT_EQ(jobFateAmong(c.jobs, 7, u"Labels"_s, c.queue), c.fate) << c.shape;
}

} // namespace
} // namespace tessaly
