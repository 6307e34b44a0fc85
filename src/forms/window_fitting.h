#pragma once

#include <QRect>
#include <QSize>

namespace tessaly {

// Window geometry is designed in twips, 15 twips to a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

struct FitRatios {
    double x = 1.0;
    double y = 1.0;
};

// The ratios that stretch a window designed at `design` to `target`. A direction
// in which either size is not positive keeps the ratio 1 rather than collapsing
// or dividing by zero.
FitRatios fitRatios(const QSize &design, const QSize &target);

// Left and width follow the horizontal ratio, top and height the vertical one;
// each is rounded to the nearest pixel on its own.
QRect scaleRect(const QRect &rect, FitRatios ratios);

} // namespace tessaly
