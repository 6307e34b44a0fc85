#include "export_rules/member_directory.h"

#include "core/member_lines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tessaly {

namespace {

constexpr double kMargin = 36;  // half an inch, in points
constexpr double kGutter = 18;  // between the two columns

QFont directoryFont(double points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont bodyFont() { return directoryFont(10); }
QFont nameFont() { return directoryFont(10, true); }
QFont headingFont() { return directoryFont(16, true); }
QFont footFont() { return directoryFont(9); }

// Font measures in points, the same on every device, so that the preview breaks the pages
// where the printer does.
QFontMetricsF pointMetrics(const QFont &font)
{
    static QImage page = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(72 / 0.0254));
        image.setDotsPerMeterY(qRound(72 / 0.0254));
        return image;
    }();
    return QFontMetricsF(font, &page);
}

// "Last, First MI" with no separator where a part is missing.
constexpr NameStyle kNameStyle{NameOrder::LastFirst, NameSeparators::BetweenPresent};

// The address as stored, a final CR LF opening an empty line, then the town, phone and e-mail
// lines that hold more than white space.
QStringList blockLines(const MemberRecord &member)
{
    QStringList lines = addressLines(member[Field::Address], AddressBreaks::SeparateLinesOfAny);
    for (const QString &line : {townLine(member, TownSpacing::Simplified), member[Field::Phone],
                                member[Field::Email]}) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

DirectoryPlan planDirectory(const MemberStore &store, const std::vector<int> &records,
                            const DirectoryMeasures &measures)
{
    DirectoryPlan plan;
    int page = 1;
    int column = 0;
    double y = measures.headingHeight;
    const auto columnTop = [&] { return page == 1 ? measures.headingHeight : 0.0; };
    for (const int record : records) {
        if (record < 1 || record > store.count())
            continue;
        const MemberRecord &member = store.record(record);
        DirectoryBlock block{nameLine(member, kNameStyle), member[Field::Call].trimmed(),
                             blockLines(member)};
        const double height = static_cast<double>(1 + block.lines.size()) * measures.lineHeight;
        if (y > columnTop() && y + height > measures.columnHeight) {
            if (column == 0) {
                column = 1;
            } else {
                column = 0;
                ++page;
            }
            y = columnTop();
        }
        block.page = page;
        block.column = column;
        block.top = y;
        y += height + measures.blockGap;
        plan.blocks.push_back(std::move(block));
    }
    plan.pages = plan.blocks.empty() ? 0 : page;
    return plan;
}

QPageSize directoryPaperFor(const QPageSize &printersPaper)
{
    return QPageSize(printersPaper.id() == QPageSize::A4 ? QPageSize::A4 : QPageSize::Letter);
}

DirectoryMeasures directoryMeasures(const QSizeF &paperPoints)
{
    const double line = pointMetrics(bodyFont()).lineSpacing();
    DirectoryMeasures measures;
    measures.lineHeight = line;
    measures.blockGap = line * 0.6;
    measures.headingHeight = pointMetrics(headingFont()).lineSpacing() + line * 2;
    measures.columnHeight =
        paperPoints.height() - 2 * kMargin - pointMetrics(footFont()).lineSpacing() * 2;
    return measures;
}

void paintDirectoryPage(QPainter &painter, const DirectoryPlan &plan, int page,
                        const DirectoryPaper &paper)
{
    const QPaintDevice *device = painter.device();
    const double kx = device->logicalDpiX() / 72.0;
    const double ky = device->logicalDpiY() / 72.0;
    // The text area in points from the printable area's corner.
    const QRectF text = QRectF(QPointF(kMargin, kMargin),
                               paper.area.paper - QSizeF(2 * kMargin, 2 * kMargin))
                            .translated(-paper.area.printable.topLeft());
    const double columnWidth = (text.width() - kGutter) / 2;
    // Each font's ascent on this device, measured once a page.
    struct Lettering {
        QFont font;
        double ascent;
    };
    const auto lettering = [&painter](const QFont &font) {
        return Lettering{font, QFontMetricsF(font, painter.device()).ascent()};
    };
    const Lettering heading = lettering(headingFont()), body = lettering(bodyFont()),
                    name = lettering(nameFont()), foot = lettering(footFont());
    const auto drawAt = [&](const Lettering &with, double x, double top, const QString &line,
                            bool alignRight = false) {
        if (painter.font() != with.font)
            painter.setFont(with.font);
        const double left =
            alignRight ? x * kx - painter.fontMetrics().horizontalAdvance(line) : x * kx;
        painter.drawText(QPointF(left, top * ky + with.ascent), line);
    };

    painter.save();
    painter.setPen(Qt::black);
    if (page == 1) {
        drawAt(heading, text.left(), text.top(), QStringLiteral("Member Directory"));
        drawAt(body, text.left(), text.top() + pointMetrics(headingFont()).lineSpacing(),
               paper.date);
    }
    const double line = pointMetrics(bodyFont()).lineSpacing();
    // The plan lists its blocks page after page.
    const auto first = std::partition_point(plan.blocks.begin(), plan.blocks.end(),
                                            [page](const DirectoryBlock &b) { return b.page < page; });
    for (auto block = first; block != plan.blocks.end() && block->page == page; ++block) {
        const double left = text.left() + block->column * (columnWidth + kGutter);
        const double top = text.top() + block->top;
        drawAt(name, left, top, block->name);
        if (!block->call.isEmpty())
            drawAt(name, left + columnWidth, top, block->call, true);
        for (qsizetype n = 0; n < block->lines.size(); ++n)
            drawAt(body, left, top + static_cast<double>(n + 1) * line, block->lines.at(n));
    }
    const QString footLine = QStringLiteral("Page %1 of %2").arg(page).arg(plan.pages);
    drawAt(foot, text.left() + text.width() / 2 +
                     pointMetrics(footFont()).horizontalAdvance(footLine) / 2,
           text.bottom() - pointMetrics(footFont()).lineSpacing(), footLine, true);
    painter.restore();
}

PrintDocument directoryDocument(const DirectoryPlan &plan, const DirectoryPaper &paper)
{
    return {QStringLiteral("Directory"), paper.paper, plan.pages,
            [&plan, &paper](QPainter &painter, int page) {
                paintDirectoryPage(painter, plan, page, paper);
            }};
}

} // namespace tessaly
