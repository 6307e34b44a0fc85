#pragma once

#include "main_window/main_window_controls.h"

#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

namespace tessaly {

// Remembers where each control of a window was designed to stand, so that every
// fit starts from the design and never compounds the rounding of an earlier one.
class DesignGeometry {
  public:
    void place(QWidget *control, const TwipsRect &rect);
    QRect designRect(const QWidget *control) const;

    // Puts the controls of container at their design rectangles scaled by the
    // ratios of client to the design client area. Fonts keep their size.
    void fitTo(QWidget *container, const QSize &client) const;

  private:
    std::vector<std::pair<QWidget *, QRect>> controls_;
};

} // namespace tessaly
