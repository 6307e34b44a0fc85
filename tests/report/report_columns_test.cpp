#include "report/report_columns.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(ReportColumns, HeadersAndFieldsInDisplayOrder)
{
    QStringList headers;
    for (const ReportColumn &column : kReportColumns)
        headers.append(column.header.toString());
    EXPECT_EQ(headers.join(u'|'), u"Call|First|MI|Last|Address|City|State|Zip|Phone|Email|"
                                  "Joined|Expires|Class|Lic Exp|ARRL|Voting|Dues|DOB|Other"_s);

    const Field fields[kReportColumnCount] = {
        Field::Call,          Field::FirstName,
        Field::MiddleInitial, Field::LastName,
        Field::Address,       Field::City,
        Field::State,         Field::Zip,
        Field::Phone,         Field::Email,
        Field::Joined,        Field::ClubExpires,
        Field::LicenseClass,  Field::LicenseExpires,
        Field::ArrlMember,    Field::VotingMember,
        Field::DuesPaid,      Field::Dob,
        Field::Other,
    };
    for (int c = 0; c < kReportColumnCount; ++c)
        EXPECT_EQ(kReportColumns[c].field, fields[c]) << c;
}

// On a 640-pixel screen (9600 twips), and when the screen width is unknown, every
// column is exactly its factor.
TEST(ReportColumns, PlainFactorAt640PixelsAndWithoutAScreenWidth)
{
    const int factors[kReportColumnCount] = {900, 900, 300, 900, 2000, 900, 500, 600, 1300, 1500,
                                             900, 900, 600, 900, 600,  600, 600, 900, 4000};
    for (int screen : {9600, 0, -15}) {
        for (int c = 0; c < kReportColumnCount; ++c)
            EXPECT_EQ(reportColumnWidth(kReportColumns[c], screen), factors[c])
                << "screen " << screen << " column " << c;
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
        {800, 0, 1176},  {800, 18, 5228}, {800, 2, 392},   {800, 4, 2614},   {800, 8, 1699},
        {800, 9, 1961},  {1024, 0, 1582}, {1024, 2, 527},  {1024, 6, 879},   {1024, 7, 1055},
        {1024, 8, 2285}, {1024, 9, 2637}, {1024, 4, 3515}, {1024, 18, 7031},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reportColumnWidth(kReportColumns[c.column], c.screenPixels * 15), c.twips)
            << c.screenPixels << " px, column " << c.column;
}

} // namespace
} // namespace tessaly
