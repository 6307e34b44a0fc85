#include "report_rules/report_columns.h"
#include "report_rules/report_rows.h"

#include "member_records.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Every field holds a text of its own, so that a field shown in the wrong column shows, and
// the two multi-line fields show their line breaks joined.
TEST(ReportRow, EachColumnShowsItsFieldOnOneLine)
{
    const MemberRecord record = testing::recordOf(
        u"call|first|mi|last|1 Oak\r\nApt 4|city|st|zip|phone|golf\r\nchoir|email|exp|joined|"
        "class|licexp|arrl|voting|dues|dob"_s);
    const ReportRow row = reportRow(record);
    EXPECT_EQ(QStringList(row.cells.begin(), row.cells.end()).join(u'|'),
              u"call|first|mi|last|1 Oak, Apt 4|city|st|zip|phone|email|joined|exp|class|licexp|"
              "arrl|voting|dues|dob|golf choir"_s);
    EXPECT_EQ(reportCell(record, 4), u"1 Oak, Apt 4"_s);
}

// A column is its factor in twips on a 640-pixel screen (9600 twips) and when the screen width
// is unknown, and grows as K * (S / 9600)^1.2: K * 1.30705 on an 800-pixel screen and
// K * 1.75770 on a 1024-pixel one, rounded to the nearest twip (worked out by hand).
TEST(ReportColumns, WidthsGrowWithTheScreen)
{
    const struct {
        int screenTwips;
        int column;
        int twips;
    } cases[] = {
        {9600, 2, 300},       {0, 18, 4000},         {-15, 0, 900},
        {800 * 15, 0, 1176},  {800 * 15, 18, 5228},  {800 * 15, 2, 392},
        {1024 * 15, 0, 1582}, {1024 * 15, 4, 3515},  {1024 * 15, 18, 7031},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reportColumnWidth(kReportColumns[c.column], c.screenTwips), c.twips)
            << c.screenTwips << " twips, column " << c.column;
}

} // namespace
} // namespace tessaly
