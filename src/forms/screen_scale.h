#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tessaly {

class DesignGeometry;
class Desktop;

// ScaleToScreen, for the windows designed on a 640 x 480 screen (9600 x 7200 twips):
// the window and its controls grow by the ratios of the real screen to that one, in
// single precision, and the window stands in the middle of the screen.
struct ScreenScale {
    float x = 1;    // screen width / 9600 twips
    float y = 1;    // screen height / 7200 twips
    float font = 1; // what fonts are multiplied by
};

// The ratios for a screen of the given size in pixels. The fonts follow the smaller of the
// two, so that on a screen wider than 4:3 the letters still fit the heights of their
// controls, which follow the height ratio. A size that is not positive keeps 1.
ScreenScale screenScale(const QSize &screenPixels);

// The window's rectangle on the screen: the design client size scaled, centred.
QRect scaledWindowRect(const QSize &designClientPixels, const QSize &screenPixels,
                       const ScreenScale &scale);

// Sizes and centres window, places its controls from their design rectangles scaled by
// the same ratios, and multiplies every control's font by the font ratio.
void scaleToScreen(QWidget *window, const DesignGeometry &geometry, const Desktop &desktop);

} // namespace tessaly
