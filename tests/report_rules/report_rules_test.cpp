#include "report_rules/expiration_query.h"
#include "report_rules/member_statistics.h"
#include "report_rules/report_columns.h"
#include "report_rules/report_rows.h"
#include "report_rules/report_sort.h"

#include "member_records.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// One record per value, the value in field and every other field empty.
MemberStore storeWith(Field field, const std::vector<QString> &values)
{
    MemberStore store;
    for (const QString &value : values) {
        MemberRecord record;
        record[field] = value;
        store.append(record);
    }
    return store;
}

TEST(MemberStatistics, CountsOnlyAnUpperCaseY)
{
    MemberStore store = storeWith(
        Field::ArrlMember, {u"Y"_s, u"y"_s, u"N"_s, QString(), u" Y"_s, u"YY"_s, u"Y"_s, u"Yes"_s});
    const QString voting[] = {u"y"_s, u"Y"_s, u"Y"_s, u"Y"_s, u"n"_s, u"Y "_s, QString(), u"N"_s};
    for (int n = 1; n <= store.count(); ++n)
        store.setField(n, Field::VotingMember, voting[n - 1]);

    const MemberStatistics counted = memberStatistics(store);
    EXPECT_EQ((std::array{counted.total, counted.arrl, counted.voting}), (std::array{8, 2, 3}));
}

TEST(MemberStatistics, PercentRoundsHalfUp)
{
    const std::tuple<int, int, QString> cases[] = {
        {8, 1, u"13%"_s},   {0, 0, u"0%"_s},    {200, 1, u"1%"_s},        {3, 2, u"67%"_s},
        {1000, 4, u"0%"_s}, {1000, 5, u"1%"_s}, {10000, 9950, u"100%"_s}, {10000, 9949, u"99%"_s},
    };
    for (const auto &[total, arrl, text] : cases)
        EXPECT_EQ(arrlPercentText({total, arrl, 0}), text) << arrl << " of " << total;
    EXPECT_EQ(statisticsCountText(57) + statisticsCountText(0), u"57  0  "_s);
}

const QDate kToday(2026, 12, 6);
const QDate kQueryDate(2001, 1, 28);

TEST(ExpirationQuery, ListsDatesStrictlyEarlierInRecordOrder)
{
    const MemberStore store =
        storeWith(Field::ClubExpires, {u"1/28/2001"_s, u"1/27/2001"_s, QString(), u"13/45/2000"_s,
                                       u"abc"_s, u"12/31/1999"_s, u"1/29/2001"_s, u" 01/27/01 "_s,
                                       u"1/27"_s, u"  "_s, u"2/29/2001"_s, u"1/1/2000"_s});
    EXPECT_EQ(membersExpiringBefore(store, Field::ClubExpires, kQueryDate, kToday),
              (std::vector<int>{2, 6, 8, 12}));
    // A date written without a year takes today's.
    EXPECT_EQ(membersExpiringBefore(store, Field::ClubExpires, kQueryDate, QDate(2000, 5, 5)),
              (std::vector<int>{2, 6, 8, 9, 12}));
    EXPECT_TRUE(
        membersExpiringBefore(store, Field::ClubExpires, QDate(), kToday).empty() &&
        membersExpiringBefore(MemberStore(), Field::ClubExpires, kQueryDate, kToday).empty());
}

// A title click sorts the displayed records, and only those, by the column's cells: always
// ascending, letter case ignored, equal cells in the order they had. Dates sort as text, and an
// address as the report shows it, with ", " in place of CR LF (a CR would sort before the comma).
TEST(ReportSort, SortsTheDisplayedRecordsByTheShownCellText)
{
    const std::vector<QString> joined{u"12/1/1999"_s, u"1/15/2004"_s, u"9/30/2003"_s, QString(),
                                      u"10/1/2003"_s};
    const std::vector<QString> last{u"smith"_s, u"Baker"_s, u"SMITH"_s,
                                    u"adams"_s, u"Smith"_s, u"baker"_s};
    // Enough equal cells that a sort which only happens to keep short runs in order shows.
    std::vector<QString> dues;
    std::vector<int> backwards;
    for (int n = 1; n <= 24; ++n) {
        dues.push_back(n % 2 ? u"N"_s : (n % 3 ? u"y"_s : u"Y"_s));
        backwards.insert(backwards.begin(), n);
    }
    using Records = std::vector<int>; // shown, then as sorted
    const std::tuple<Field, std::vector<QString>, int, Records, Records> cases[] = {
        {Field::Joined, joined, 10, {1, 2, 3, 4, 5}, {4, 2, 5, 1, 3}},
        {Field::Joined, joined, 11, {4, 2, 5, 1, 3}, {4, 2, 5, 1, 3}}, // Expires: empty for all
        {Field::LastName, last, 3, {5, 6, 1, 2, 3, 4}, {4, 6, 2, 5, 1, 3}},
        {Field::LastName, last, 3, {3, 2, 1}, {2, 3, 1}},
        {Field::LastName, last, 3, {}, {}},
        {Field::Address, {u"1 Oak\r\nB"_s, u"1 Oak, A"_s}, 4, {1, 2}, {2, 1}},
        {Field::DuesPaid, dues, 16, backwards, {23, 21, 19, 17, 15, 13, 11, 9,  7, 5, 3, 1,
                                                24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2}},
    };
    for (const auto &[field, values, column, displayed, sorted] : cases) {
        std::vector<int> records = displayed;
        sortReportByColumn(storeWith(field, values), records, column);
        EXPECT_EQ(records, sorted) << "column " << column;
    }
}

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
}

// A column is its factor in twips on a 640-pixel screen (9600 twips) and when the screen width
// is unknown, and grows as K * (S / 9600)^1.2: K * 1.30705 on an 800-pixel screen and
// K * 1.75770 on a 1024-pixel one, rounded to the nearest twip (worked out by hand).
TEST(ReportColumns, WidthsGrowWithTheScreen)
{
    const std::tuple<int, int, int> cases[] = {
        {9600, 2, 300},       {0, 18, 4000},        {-15, 0, 900},
        {800 * 15, 0, 1176},  {800 * 15, 18, 5228}, {800 * 15, 2, 392},
        {1024 * 15, 0, 1582}, {1024 * 15, 4, 3515}, {1024 * 15, 18, 7031},
    };
    for (const auto &[screenTwips, column, twips] : cases)
        EXPECT_EQ(reportColumnWidth(kReportColumns[column], screenTwips), twips)
            << screenTwips << " twips, column " << column;
}

} // namespace
} // namespace tessaly
