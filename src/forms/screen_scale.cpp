#include "forms/screen_scale.h"

#include "forms/design_geometry.h"
#include "platform/platform.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

constexpr float kDesignScreenWidthTwips = 9600;
constexpr float kDesignScreenHeightTwips = 7200;
constexpr float kTwipsPerPixelF = 15;

float ratio(int pixels, float designTwips)
{
    return pixels > 0 ? static_cast<float>(pixels) * kTwipsPerPixelF / designTwips : 1.0f;
}

int rounded(float value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

ScreenScale screenScale(const QSize &screenPixels)
{
    const float x = ratio(screenPixels.width(), kDesignScreenWidthTwips);
    const float y = ratio(screenPixels.height(), kDesignScreenHeightTwips);
    return ScreenScale{x, y, std::min(x, y)};
}

QRect scaledWindowRect(const QSize &designClientPixels, const QSize &screenPixels,
                       const ScreenScale &scale)
{
    const int width = rounded(static_cast<float>(designClientPixels.width()) * scale.x);
    const int height = rounded(static_cast<float>(designClientPixels.height()) * scale.y);
    return QRect((screenPixels.width() - width) / 2, (screenPixels.height() - height) / 2, width,
                 height);
}

void scaleToScreen(QWidget *window, const DesignGeometry &geometry, const Desktop &desktop)
{
    const QSize screen = desktop.screenSize();
    const ScreenScale scale = screenScale(screen);
    const QRect placed = scaledWindowRect(geometry.designClientPixels(), screen, scale);
    window->resize(placed.size());
    window->move(placed.topLeft());
    geometry.fitTo(window, placed.size());
    // The controls' own inner parts (viewports, scroll bars) take their control's font.
    for (QWidget *control : geometry.controls()) {
        QFont font = control->font();
        font.setPointSizeF(font.pointSizeF() * static_cast<double>(scale.font));
        control->setFont(font);
    }
}

} // namespace tessaly
