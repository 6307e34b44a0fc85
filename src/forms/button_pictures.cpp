#include "forms/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace tessaly {

namespace {

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kRed(192, 0, 0);
const QColor kNavy(0, 0, 128);

QPen inkPen(double width, const QColor &colour = kInk)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A sheet of paper with a folded corner.
void drawSheet(QPainter &p, const QRectF &r, double unit)
{
    const double fold = r.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(inkPen(unit));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void drawLinesOnSheet(QPainter &p, const QRectF &r, double unit, int lines)
{
    p.setPen(inkPen(unit, kNavy));
    for (int i = 0; i < lines; ++i) {
        const double y = r.top() + r.height() * (0.4 + 0.17 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
                   QPointF(r.right() - r.width() * 0.18, y));
    }
}

void drawPlus(QPainter &p, const QPointF &centre, double half, double unit)
{
    p.setPen(QPen(kGreen, unit * 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(centre.x() - half, centre.y()), QPointF(centre.x() + half, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - half), QPointF(centre.x(), centre.y() + half));
}

void drawCross(QPainter &p, const QPointF &centre, double half, double unit)
{
    p.setPen(QPen(kRed, unit * 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void drawPrinter(QPainter &p, const QRectF &box, double unit)
{
    const double w = box.width();
    const double h = box.height();
    const QRectF paperIn(box.left() + w * 0.25, box.top() + h * 0.05, w * 0.5, h * 0.35);
    const QRectF body(box.left() + w * 0.05, box.top() + h * 0.35, w * 0.9, h * 0.4);
    const QRectF paperOut(box.left() + w * 0.2, box.top() + h * 0.6, w * 0.6, h * 0.35);
    p.setPen(inkPen(unit));
    p.setBrush(kPaper);
    p.drawRect(paperIn);
    p.setBrush(QColor(160, 160, 160));
    p.drawRoundedRect(body, unit * 2, unit * 2);
    p.setBrush(kPaper);
    p.drawRect(paperOut);
    drawLinesOnSheet(p, paperOut.adjusted(0, -paperOut.height() * 0.2, 0, 0), unit, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(body.right() - w * 0.12, body.top() + h * 0.1), unit * 1.5, unit * 1.5);
}

} // namespace

void drawButtonPicture(QPainter &painter, ButtonPicture picture, const QRectF &box)
{
    if (picture == ButtonPicture::None || box.width() < 4)
        return;
    painter.save();
    const double unit = std::max(1.0, box.width() / 20.0);
    const QRectF sheet(box.left() + box.width() * 0.15, box.top() + box.height() * 0.05,
                       box.width() * 0.6, box.height() * 0.8);
    const QPointF badge(box.left() + box.width() * 0.72, box.top() + box.height() * 0.72);
    const double badgeHalf = box.width() * 0.18;
    switch (picture) {
    case ButtonPicture::Add:
        drawSheet(painter, sheet, unit);
        drawLinesOnSheet(painter, sheet, unit, 2);
        drawPlus(painter, badge, badgeHalf, unit);
        break;
    case ButtonPicture::Clear:
        drawSheet(painter, sheet, unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(230, 120, 150));
        painter.translate(badge);
        painter.rotate(-35);
        painter.drawRoundedRect(
            QRectF(-badgeHalf * 1.3, -badgeHalf * 0.6, badgeHalf * 2.6, badgeHalf * 1.2), unit,
            unit);
        break;
    case ButtonPicture::Delete:
        drawSheet(painter, sheet, unit);
        drawLinesOnSheet(painter, sheet, unit, 2);
        drawCross(painter, badge, badgeHalf, unit);
        break;
    case ButtonPicture::Copy:
        drawSheet(painter,
                  sheet.translated(-box.width() * 0.1, 0).adjusted(0, 0, 0, -box.height() * 0.15),
                  unit);
        drawSheet(painter,
                  sheet.translated(box.width() * 0.15, box.height() * 0.15)
                      .adjusted(0, 0, 0, -box.height() * 0.15),
                  unit);
        drawLinesOnSheet(painter,
                         sheet.translated(box.width() * 0.15, box.height() * 0.15)
                             .adjusted(0, 0, 0, -box.height() * 0.15),
                         unit, 2);
        break;
    case ButtonPicture::Print:
        drawPrinter(painter, box, unit);
        break;
    case ButtonPicture::None:
        break;
    }
    painter.restore();
}

} // namespace tessaly
