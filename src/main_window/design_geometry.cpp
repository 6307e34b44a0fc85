#include "main_window/design_geometry.h"

#include "platform/control_fitting.h"

#include <QWidget>

namespace tessaly {

void DesignGeometry::place(QWidget *control, const TwipsRect &rect)
{
    const QRect pixels = designPixels(rect);
    control->setGeometry(pixels);
    controls_.emplace_back(control, pixels);
}

QRect DesignGeometry::designRect(const QWidget *control) const
{
    for (const auto &[widget, rect] : controls_) {
        if (widget == control)
            return rect;
    }
    return {};
}

void DesignGeometry::fitTo(QWidget *container, const QSize &client) const
{
    for (const auto &[widget, rect] : controls_) {
        if (widget->parentWidget() == container)
            widget->setGeometry(rect);
    }
    fitControls(container, fitRatios(designClientPixels(), client));
}

} // namespace tessaly
