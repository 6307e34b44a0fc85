#include "label_rules/label_page.h"

#include "fake_printer.h"
#include "temp_roll.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

const QString kFont = u"DejaVu Sans"_s;

// Where poppler finds each word on the first page: "word" -> (xMin, yMin) in points.
std::map<QString, QPointF> wordCorners(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext comes with poppler-utils";
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    std::map<QString, QPointF> corners;
    const QRegularExpression word(u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]+)</word>"_s);
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        corners.emplace(found.captured(3),
                        QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()));
    }
    return corners;
}

// Paints on a Letter PDF of 1200 dots an inch, as Labels.pdf is made.
QString letterPdf(const TempRoll &folder, const QString &name,
                  const std::function<void(QPainter &, QPdfWriter &)> &paint)
{
    const QString path = folder.path(name);
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter(&pdf);
    paint(painter, pdf);
    return path;
}

LabelPlan oneLabel(Inches x, Inches y, QStringList lines)
{
    LabelPlan plan;
    plan.labels.push_back({1, 1, 1, 1, x, y, std::move(lines)});
    plan.pages = 1;
    return plan;
}

// The first label of the 30-per-sheet sheet (.1875 in from the left, .5 in from the top) has
// its first word's top-left corner there, to the point: poppler puts a word's top where the
// font's own box says, so a word drawn with its top at 0 tells where that is.
TEST(LabelPage, TheFirstLineHasItsTopLeftCornerAtTheLabelsPosition)
{
    TempRoll folder;
    const LabelPlan plan = oneLabel(Inches::typed(0.1875f), Inches::typed(0.5f),
                                    {u"ARS"_s, u"Dora"_s});
    const QString labels = letterPdf(folder, u"labels.pdf"_s, [&](QPainter &painter, QPdfWriter &) {
        paintLabelPage(painter, plan, 1, {kFont, 10, {}});
    });
    const QString topAtZero = letterPdf(folder, u"zero.pdf"_s, [](QPainter &painter, QPdfWriter &pdf) {
        QFont font(kFont);
        font.setPointSizeF(10);
        painter.setFont(font);
        painter.drawText(QPointF(0, QFontMetricsF(font, &pdf).ascent()), u"ARS"_s);
    });
    const QPointF word = wordCorners(labels).at(u"ARS"_s);
    const QPointF zero = wordCorners(topAtZero).at(u"ARS"_s);
    EXPECT_NEAR(word.x() - zero.x(), 13.5, 0.05);
    EXPECT_NEAR(word.y() - zero.y(), 36.0, 0.05);
}

// Each later line stands one line of the font lower, at the label's x, whatever its size.
TEST(LabelPage, LaterLinesFollowByTheLineHeightOfTheFont)
{
    for (const double size : {10.0, 18.0}) {
        SCOPED_TRACE(size);
        const LabelPlan plan = oneLabel(Inches::exactly(1), Inches::exactly(2),
                                        {u"ARS K3ABC"_s, u"John Q Adams"_s, u"Media PA 19063"_s});
        const QSizeF letter(612, 792);
        const DrawnPage page = drawnPage(
            [&](QPainter &painter, int n) { paintLabelPage(painter, plan, n, {kFont, size, {}}); },
            1, {letter, QRectF(QPointF(0, 0), letter)});
        ASSERT_EQ(page.texts.size(), 3);
        QImage seventyTwo(1, 1, QImage::Format_RGB32);
        seventyTwo.setDotsPerMeterX(qRound(72 / 0.0254));
        seventyTwo.setDotsPerMeterY(qRound(72 / 0.0254));
        QFont font(kFont);
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, &seventyTwo);
        for (int line = 0; line < 3; ++line) {
            const QString expected = QStringLiteral("72.0,%1 ")
                                         .arg(std::round((144 + metrics.ascent() +
                                                          line * metrics.lineSpacing()) * 10) / 10,
                                              0, 'f', 1);
            EXPECT_TRUE(page.texts[line].startsWith(expected)) << page.texts[line].toStdString();
        }
    }
}

// Outlines are drawn only when asked for (the preview), each label of the sheet once, and only
// on the plan's pages.
TEST(LabelPage, OutlinesOnlyWhereAskedForAndOnlyOnPagesWithLabels)
{
    const LabelLayout sheet{2, 2, 0.5f, 0.25f, 1, 3, 10};
    const std::vector<InchRect> cells = sheetCells(sheet, Inches::exactly(2.5), Inches::exactly(1));
    const LabelPlan plan = oneLabel(Inches::typed(0.25f), Inches::typed(0.5f), {u"Lee"_s});
    const QSizeF letter(612, 792);
    const auto draw = [&](int page, const std::vector<InchRect> &outlines) {
        return drawnPage([&](QPainter &painter,
                             int n) { paintLabelPage(painter, plan, n, {kFont, 10, outlines}); },
                         page, {letter, QRectF(QPointF(0, 0), letter)});
    };
    EXPECT_TRUE(draw(1, {}).outlines.isEmpty());
    const DrawnPage outlined = draw(1, cells);
    EXPECT_EQ(outlined.outlines,
              (QStringList{u"outline 18.0,36.0 180.0x72.0"_s, u"outline 234.0,36.0 180.0x72.0"_s,
                           u"outline 18.0,108.0 180.0x72.0"_s,
                           u"outline 234.0,108.0 180.0x72.0"_s}));
    EXPECT_EQ(outlined.texts, draw(1, {}).texts);
    EXPECT_TRUE(draw(2, cells).outlines.isEmpty());
    EXPECT_TRUE(draw(2, cells).texts.isEmpty());
}

// A length keeps the decimal that was typed into the box, not its float's digits.
TEST(LabelPage, InchesKeepWhatWasTyped)
{
    const std::pair<float, double> cases[] = {
        {0.52f, 0.52}, {0.59646f, 0.59646}, {1.33333f, 1.33333}};
    for (const auto &[single, typed] : cases)
        EXPECT_EQ(Inches::typed(single).value(), typed) << typed;
    EXPECT_EQ(Inches::typed(std::numeric_limits<float>::infinity()).value(), 0);
}

} // namespace
} // namespace tessaly::testing
