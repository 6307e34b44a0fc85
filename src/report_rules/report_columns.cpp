#include "report_rules/report_columns.h"

#include <cmath>

namespace tessaly {

namespace {

constexpr double kDesignScreenTwips = 9600.0;
constexpr double kWidthExponent = 1.2;

} // namespace

int reportColumnWidth(const ReportColumn &column, int screenWidthTwips)
{
    if (screenWidthTwips <= 0)
        return column.widthFactor;
    const double scale = std::pow(screenWidthTwips / kDesignScreenTwips, kWidthExponent);
    return static_cast<int>(std::lround(column.widthFactor * scale));
}

} // namespace tessaly
