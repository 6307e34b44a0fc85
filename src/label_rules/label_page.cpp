#include "label_rules/label_page.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tessaly {

void paintLabelPage(QPainter &painter, const LabelPlan &plan, int page,
                    const LabelLettering &lettering)
{
    // The plan lists its labels page after page.
    const auto first = std::partition_point(plan.labels.begin(), plan.labels.end(),
                                            [page](const PlannedLabel &l) { return l.page < page; });
    const auto last = std::partition_point(first, plan.labels.end(),
                                           [page](const PlannedLabel &l) { return l.page <= page; });
    QPaintDevice *device = painter.device();
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();

    painter.save();
    if (!lettering.outlines.empty() && first != last) {
        QPen pen(QColor(160, 160, 160));
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const InchRect &cell : lettering.outlines)
            painter.drawRect(QRectF(cell.x.dots(dpiX), cell.y.dots(dpiY), cell.width.dots(dpiX),
                                    cell.height.dots(dpiY)));
    }

    QFont font = painter.font();
    if (!lettering.fontFamily.isEmpty())
        font.setFamily(lettering.fontFamily);
    font.setPointSizeF(lettering.fontSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), device);
    const double ascent = metrics.ascent();
    const double lineSpacing = metrics.lineSpacing();
    for (auto label = first; label != last; ++label) {
        const double x = label->x.dots(dpiX);
        double top = label->y.dots(dpiY);
        for (const QString &line : label->lines) {
            painter.drawText(QPointF(x, top + ascent), line);
            top += lineSpacing;
        }
    }
    painter.restore();
}

PrintDocument labelDocument(const LabelPlan &plan, const LabelLettering &lettering, Paper paper)
{
    return {QStringLiteral("Labels"), pageSizeOf(paper), plan.pages,
            [&plan, &lettering](QPainter &painter, int page) {
                paintLabelPage(painter, plan, page, lettering);
            }};
}

QPageSize pageSizeOf(Paper paper)
{
    return QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter);
}

} // namespace tessaly
