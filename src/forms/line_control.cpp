#include "forms/line_control.h"

#include <QPainter>

namespace tessaly {

LineControl::LineControl(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent), orientation_(orientation)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    if (orientation_ == Qt::Horizontal)
        painter.drawLine(0, 0, width() - 1, 0);
    else
        painter.drawLine(0, 0, 0, height() - 1);
}

} // namespace tessaly
