#pragma once

#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

namespace tessaly {

// A rectangle of a window's design, in twips (15 to a pixel at 96 dpi).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

QRect designPixels(const TwipsRect &rect);

// Remembers where each control of a window was designed to stand, so that every
// fit starts from the design and never compounds the rounding of an earlier one.
class DesignGeometry {
  public:
    // The window's client area as designed, in twips.
    DesignGeometry(int clientWidthTwips, int clientHeightTwips);

    QSize designClientPixels() const { return designClient_; }

    void place(QWidget *control, const TwipsRect &rect);
    // Every control placed, in the order it was placed.
    std::vector<QWidget *> controls() const;

    // Puts the controls of container at their design rectangles scaled by the
    // ratios of client to the design client area; the children of group boxes
    // scale by the same ratios. Fonts keep their size.
    void fitTo(QWidget *container, const QSize &client) const;

  private:
    QSize designClient_;
    std::vector<std::pair<QWidget *, QRect>> controls_;
};

} // namespace tessaly
