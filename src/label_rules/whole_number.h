#pragma once

#include <cmath>

namespace tessaly {

// A count typed into a label box, rounded down. Not-a-number gives 0 and anything beyond
// a billion is held there, so that no value, however absurd, overflows an int on the way.
inline int wholeNumber(double value)
{
    constexpr double kLimit = 1e9;
    if (std::isnan(value))
        return 0;
    const double whole = std::floor(value);
    if (whole > kLimit)
        return static_cast<int>(kLimit);
    if (whole < -kLimit)
        return static_cast<int>(-kLimit);
    return static_cast<int>(whole);
}

} // namespace tessaly
