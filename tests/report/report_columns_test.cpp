#include "report/report_columns.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// On a 640-pixel screen (9600 twips), and when the screen width is unknown, every
// column is exactly its factor.
TEST(ReportColumns, PlainFactorAt640PixelsAndWithoutAScreenWidth)
{
    for (int screen : {9600, 0, -15}) {
        for (const ReportColumn &column : kReportColumns)
            EXPECT_EQ(reportColumnWidth(column, screen), column.widthFactor)
                << "screen " << screen << " " << column.header.toString().toStdString();
    }
}

// Expected widths worked out by hand: K * (S / 9600)^1.2, i.e. K * 1.30705 on an
// 800-pixel screen and K * 1.75770 on a 1024-pixel one, rounded to the nearest twip.
TEST(ReportColumns, WidthsGrowWithTheScreen)
{
    struct Case {
        int screenPixels;
        int column;
        int twips;
    };
    const Case cases[] = {
        {800, 0, 1176},  {800, 18, 5228}, {800, 2, 392},
        {1024, 0, 1582}, {1024, 4, 3515}, {1024, 18, 7031},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reportColumnWidth(kReportColumns[c.column], c.screenPixels * 15), c.twips)
            << c.screenPixels << " px, column " << c.column;
}

} // namespace
} // namespace tessaly
