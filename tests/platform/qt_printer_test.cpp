#include "qt_platform/qt_printer.h"

#include "temp_roll.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

PrintDocument lines(int pages, int linesPerPage)
{
    return {u"Labels"_s, QPageSize(QPageSize::Letter), pages,
            [linesPerPage](QPainter &painter, int page) {
                for (int line = 0; line < linesPerPage; ++line)
                    painter.drawText(QPointF(100, 100 + 20 * line),
                                     u"John Q Adams, 12 Oak St, Media PA 19063, page %1"_s.arg(page));
            }};
}

// Without a printer the pages go to Labels.pdf, written whole beside the earlier one and put
// in its place only when complete: a cut-off run leaves the earlier file and no stray one.
TEST(QtPrinter, OnlyAWholeDocumentReplacesTheEarlierPdf)
{
    const QByteArray earlier = "%PDF-1.4 the labels printed last week\n%%EOF\n";
    TempRoll folder;
    folder.write(u"Labels.pdf"_s, earlier);
    const auto files = [&] { return QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden); };
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    EXPECT_EQ(printer.print(lines(0, 1)).fate, PrintResult::Fate::Printed); // nothing to print
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);

    PrintResult cut;
    withFileSizeCap(2000, [&] { cut = printer.print(lines(20, 40)); });
    EXPECT_EQ(cut.fate, PrintResult::Fate::Failed);
    EXPECT_EQ(cut.reason, u"File too large"_s);
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);
    EXPECT_EQ(files(), QStringList{u"Labels.pdf"_s});

    const PrintResult saved = printer.print(lines(2, 3));
    ASSERT_EQ(saved.fate, PrintResult::Fate::Saved) << saved.reason.toStdString();
    EXPECT_EQ(saved.file, folder.path(u"Labels.pdf"_s));
    EXPECT_EQ(files(), QStringList{u"Labels.pdf"_s});
    EXPECT_TRUE(folder.read(u"Labels.pdf"_s).startsWith("%PDF-1."));
    EXPECT_NE(folder.read(u"Labels.pdf"_s), earlier);
    // A PDF has no unprintable edge.
    EXPECT_EQ(printer.pageArea(QPageSize(QPageSize::A4)).printable, QRectF(0, 0, 595, 842));
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

} // namespace
} // namespace tessaly::testing
