#include "forms/design_geometry.h"

#include "forms/window_fitting.h"

#include <QWidget>

namespace tessaly {

QRect designPixels(const TwipsRect &rect)
{
    return twipsRect(rect.left, rect.top, rect.width, rect.height);
}

DesignGeometry::DesignGeometry(int clientWidthTwips, int clientHeightTwips)
    : designClient_(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips))
{
}

void DesignGeometry::place(QWidget *control, const TwipsRect &rect)
{
    const QRect pixels = designPixels(rect);
    control->setGeometry(pixels);
    controls_.emplace_back(control, pixels);
}

std::vector<QWidget *> DesignGeometry::controls() const
{
    std::vector<QWidget *> placed;
    placed.reserve(controls_.size());
    for (const auto &entry : controls_)
        placed.push_back(entry.first);
    return placed;
}

void DesignGeometry::fitTo(QWidget *container, const QSize &client) const
{
    const FitRatios ratios = fitRatios(designClient_, client);
    for (const auto &[widget, rect] : controls_) {
        if (widget->parentWidget() == container)
            widget->setGeometry(scaleRect(rect, ratios));
    }
    // Controls inside a group box were placed relative to it; they follow it.
    for (const auto &[widget, rect] : controls_) {
        if (widget->parentWidget() != container)
            widget->setGeometry(scaleRect(rect, ratios));
    }
}

} // namespace tessaly
