#include "forms/window_fitting.h"

#include <cmath>
#include <limits>

namespace tessaly {

namespace {

int roundToInt(double value)
{
    // A broken desktop report (zero or huge sizes) must not overflow into nonsense.
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (!std::isfinite(value))
        return 0;
    if (value <= lo)
        return std::numeric_limits<int>::min();
    if (value >= hi)
        return std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(value));
}

double ratio(int target, int design)
{
    if (design <= 0 || target <= 0)
        return 1.0;
    return static_cast<double>(target) / design;
}

} // namespace

int twipsToPixels(int twips)
{
    return roundToInt(static_cast<double>(twips) / kTwipsPerPixel);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

FitRatios fitRatios(const QSize &design, const QSize &target)
{
    return FitRatios{ratio(target.width(), design.width()),
                     ratio(target.height(), design.height())};
}

QRect scaleRect(const QRect &rect, FitRatios ratios)
{
    return QRect(roundToInt(rect.left() * ratios.x), roundToInt(rect.top() * ratios.y),
                 roundToInt(rect.width() * ratios.x), roundToInt(rect.height() * ratios.y));
}

} // namespace tessaly
