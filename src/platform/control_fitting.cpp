#include "platform/control_fitting.h"

#include <QGroupBox>
#include <QWidget>

namespace tessaly {

void fitControls(QWidget *container, FitRatios ratios)
{
    const auto children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        child->setGeometry(scaleRect(child->geometry(), ratios));
        // Only group boxes hold controls of their own; other widgets lay out
        // their inner parts (viewports, scroll bars) themselves.
        if (qobject_cast<QGroupBox *>(child) != nullptr)
            fitControls(child, ratios);
    }
}

}  // namespace tessaly
