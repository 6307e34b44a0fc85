#include "labels/label_plan.h"
#include "labels/label_printing.h"
#include "platform/qt_printer.h"

#include "temp_roll.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

// What poppler's pdftotext reads in the file: what the operator would find on paper.
QString pdfToText(const QString &pdf, const QString &option)
{
    const QString program = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (program.isEmpty()) {
        ADD_FAILURE() << "pdftotext is not installed; it comes with the Debian package "
                         "poppler-utils (scripts/ensure_packages.sh installs it)";
        return {};
    }
    QProcess pdftotext;
    pdftotext.start(program, {option, pdf, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Each text line of a page as the columns it holds.
std::vector<QStringList> columnsOf(const QString &page)
{
    std::vector<QStringList> lines;
    for (const QString &line : page.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.push_back(line.trimmed().split(QRegularExpression(u"\\s{2,}"_s)));
    }
    return lines;
}

// Where the word "ARS" begins, page by page: the top-left corners of the labels, in
// points from the corner of the sheet.
std::vector<std::vector<QPointF>> callSignCorners(const QString &bboxHtml)
{
    std::vector<std::vector<QPointF>> pages;
    const QRegularExpression item(
        u"<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>ARS</word>"_s);
    for (auto match = item.globalMatch(bboxHtml); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(0) == u"<page "_s)
            pages.emplace_back();
        else if (!pages.empty())
            pages.back().emplace_back(found.captured(1).toDouble(), found.captured(2).toDouble());
    }
    return pages;
}

// 31 members on the club's usual sheet (10 rows of 3, the layout's defaults) through the
// real printer, which on a system without one writes Labels.pdf.
TEST(LabelPdf, ThirtyOneMembersOnTenByThreeFillPageOneAndStartPageTwo)
{
    MemberStore store;
    store.append({{u"W3NEW"_s, u"Dora"_s, u"Q"_s, u"Dunn"_s, u"12 Oak St\r\nApt 4"_s, u"Media"_s,
                   u"PA"_s, u"19063"_s}});
    for (int n = 2; n <= 31; ++n) {
        const QString number = u"%1"_s.arg(n, 2, 10, QChar(u'0'));
        store.append({{u"N3M"_s + number,
                       u"Ann"_s,
                       {},
                       u"Roe"_s + number,
                       u"%1 Elm St"_s.arg(n),
                       u"Upland"_s,
                       u"PA"_s,
                       u"19015"_s}});
    }
    std::vector<int> listed(31);
    std::iota(listed.begin(), listed.end(), 1);
    TempRoll files;
    // With a printer on the system, the test must not print on it.
    QtPrinter printer(files.dir(), QPrinterInfo::availablePrinters().isEmpty()
                                       ? QtPrinter::Destination::DefaultPrinter
                                       : QtPrinter::Destination::PdfFile);

    const Outcome outcome =
        printLabels(printer, planLabels(store, listed, LabelLayout{}, 1, 1), u"DejaVu Sans"_s, 10);
    ASSERT_TRUE(outcome.ok()) << outcome.reason.toStdString();
    const QString pdf = files.path(u"Labels.pdf"_s);
    ASSERT_EQ(printer.lastFile(), pdf);

    const QStringList pages = pdfToText(pdf, u"-layout"_s).split(u'\f');
    ASSERT_EQ(pages.size(), 3); // two pages, each ended by a form feed
    const std::vector<QStringList> first = columnsOf(pages.at(0));
    ASSERT_GE(first.size(), 5u);
    EXPECT_EQ(first.at(0), (QStringList{u"ARS W3NEW"_s, u"ARS N3M02"_s, u"ARS N3M03"_s}));
    EXPECT_EQ(first.at(1), (QStringList{u"Dora Q Dunn"_s, u"Ann Roe02"_s, u"Ann Roe03"_s}));
    EXPECT_EQ(first.at(2), (QStringList{u"12 Oak St"_s, u"2 Elm St"_s, u"3 Elm St"_s}));
    EXPECT_EQ(first.at(3), (QStringList{u"Apt 4"_s, u"Upland PA 19015"_s, u"Upland PA 19015"_s}));
    EXPECT_EQ(first.at(4), (QStringList{u"Media PA 19063"_s}));
    EXPECT_EQ(pages.at(0).count(u"ARS "_s), 30);
    EXPECT_EQ(columnsOf(pages.at(1)),
              (std::vector<QStringList>{
                  {u"ARS N3M31"_s}, {u"Ann Roe31"_s}, {u"31 Elm St"_s}, {u"Upland PA 19015"_s}}));

    // Left margin .1 in, labels 2.75 in apart; top margin .52 in, rows 1 in apart, on a
    // Letter sheet. A line hung from its baseline, or a page margin the sheet was not
    // measured with, would move every corner by several points.
    const QString bbox = pdfToText(pdf, u"-bbox"_s);
    EXPECT_EQ(bbox.count(u"<page width=\"612.000000\" height=\"792.000000\">"_s), 2);
    std::vector<QPointF> firstPage;
    for (int row = 0; row < 10; ++row) {
        for (const double x : {7.2, 205.2, 403.2})
            firstPage.emplace_back(x, 37.44 + 72.0 * row);
    }
    const std::vector<std::vector<QPointF>> expected{firstPage, {{7.2, 37.44}}};
    const std::vector<std::vector<QPointF>> found = callSignCorners(bbox);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t page = 0; page < expected.size(); ++page) {
        ASSERT_EQ(found[page].size(), expected[page].size()) << "page " << page + 1;
        for (std::size_t n = 0; n < expected[page].size(); ++n) {
            SCOPED_TRACE(::testing::Message() << "page " << page + 1 << ", label " << n + 1);
            EXPECT_NEAR(found[page][n].x(), expected[page][n].x(), 0.25);
            EXPECT_NEAR(found[page][n].y(), expected[page][n].y(), 0.25);
        }
    }
}

} // namespace
} // namespace tessaly::testing
