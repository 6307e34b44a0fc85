#include "label_rules/label_page.h"
#include "label_rules/label_plan.h"
#include "qt_platform/qt_printer.h"

#include "temp_roll.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

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
    MemberStore store;
    std::vector<int> listed{1};
    store.append({{u"W3NEW"_s, u"Dora"_s, u"Q"_s, u"Dunn"_s, u"12 Oak St\r\nApt 4"_s, u"Media"_s,
                   u"PA"_s, u"19063"_s}});
    for (int n = 2; n <= 31; ++n) {
        const QString number = u"%1"_s.arg(n, 2, 10, QChar(u'0'));
        store.append({{u"N3M"_s + number, u"Ann"_s, QString(), u"Roe"_s + number,
                       u"%1 Elm St"_s.arg(n), u"Upland"_s, u"PA"_s, u"19015"_s}});
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
