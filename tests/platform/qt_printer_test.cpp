#include "platform/qt_printer.h"

#include "temp_roll.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

TEST(QtPrinter, OnlyAWholeDocumentReplacesTheEarlierPdf)
{
    const QByteArray earlier = "%PDF-1.4 the labels printed last week\n%%EOF\n";
    TempRoll folder;
    folder.write(u"Labels.pdf"_s, earlier);
    const auto files = [&] { return QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden); };
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    ASSERT_TRUE(printer.setFont(u"DejaVu Sans"_s, 10));
    EXPECT_TRUE(printer.endDocument()); // no page: nothing to write
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);

    ASSERT_TRUE(printer.printLine(u"ARS K3ABC"_s));
    ASSERT_TRUE(printer.newPage());
    printer.abort();
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);

    bool ended = true;
    withFileSizeCap(2000, [&] {
        for (int line = 0; line < 50; ++line)
            printer.printLine(u"John Q Adams, 12 Oak St, Media PA 19063"_s);
        ended = printer.endDocument();
    });
    EXPECT_FALSE(ended);
    EXPECT_EQ(folder.read(u"Labels.pdf"_s), earlier);
    EXPECT_EQ(files(), QStringList{u"Labels.pdf"_s});

    ASSERT_TRUE(printer.printLine(u"ARS K3ABC"_s));
    ASSERT_TRUE(printer.endDocument());
    EXPECT_EQ(printer.lastFile(), folder.path(u"Labels.pdf"_s));
    EXPECT_EQ(files(), QStringList{u"Labels.pdf"_s});
    EXPECT_TRUE(folder.read(u"Labels.pdf"_s).startsWith("%PDF-1."));
    EXPECT_NE(folder.read(u"Labels.pdf"_s), earlier);
}

// The label window selects the printer's current font in the font list by its exact name.
TEST(QtPrinter, TheCurrentFontIsAListedFamilyUntilARunSetsAnother)
{
    TempRoll folder;
    QtPrinter printer(folder.dir(), QtPrinter::Destination::PdfFile);
    const QStringList families = printer.fontFamilies().value_or(QStringList{});
    EXPECT_TRUE(families.contains(printer.currentFont().value_or(QString())));
    ASSERT_TRUE(printer.setFont(u"DejaVu Serif"_s, 12));
    // No font chosen in the list prints with the one the printer has.
    ASSERT_TRUE(printer.setFont(QString(), 12));
    EXPECT_EQ(printer.currentFont(), u"DejaVu Serif"_s);
    EXPECT_FALSE(printer.setFont(u"DejaVu Serif"_s, 0));
}

} // namespace
} // namespace tessaly::testing
