#include "report/report_rows.h"
#include "report/report_table.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Every field holds a text of its own, so that a field shown in the wrong column shows.
MemberRecord distinctRecord(const QString &suffix)
{
    const char16_t *const names[kFieldCount] = {
        u"call",   u"first", u"mi",     u"last",  u"addr", u"city",   u"st",
        u"zip",    u"phone", u"other",  u"email", u"exp",  u"joined", u"class",
        u"licexp", u"arrl",  u"voting", u"dues",  u"dob",
    };
    MemberRecord record;
    for (int f = 0; f < kFieldCount; ++f)
        record.values[f] = QString::fromUtf16(names[f]) + suffix;
    return record;
}

MemberStore storeOf(std::initializer_list<MemberRecord> records)
{
    MemberStore store;
    for (const MemberRecord &record : records)
        store.append(record);
    return store;
}

TEST(ReportRow, CellsFollowTheDisplayOrder)
{
    const ReportRow row = reportRow(distinctRecord(u"1"_s));
    QStringList cells(row.cells.begin(), row.cells.end());
    EXPECT_EQ(cells.join(u'|'), u"call1|first1|mi1|last1|addr1|city1|st1|zip1|phone1|email1|"
                                "joined1|exp1|class1|licexp1|arrl1|voting1|dues1|dob1|other1"_s);
}

// Only CR LF pairs in Address and Other are joined; everything else is shown as stored.
TEST(ReportRow, LineBreakConversions)
{
    struct Case {
        Field field;
        int column;
        QString stored;
        QString shown;
    };
    const Case cases[] = {
        {Field::Address, 4, u"1 Oak\r\nApt 4"_s, u"1 Oak, Apt 4"_s},
        {Field::Address, 4, u"1 Oak\r\nApt 4\r\nRear"_s, u"1 Oak, Apt 4, Rear"_s},
        {Field::Address, 4, u"1 Oak\r\n"_s, u"1 Oak, "_s},
        {Field::Address, 4, u"\r\n\r\n"_s, u", , "_s},
        {Field::Address, 4, u"1\rA\n2\n\rB"_s, u"1\rA\n2\n\rB"_s},
        {Field::Address, 4, u"\r\r\n\n"_s, u"\r, \n"_s},
        {Field::Address, 4, u"1 Oak\tRear"_s, u"1 Oak\tRear"_s},
        {Field::Other, 18, u"golf\r\nchurch\r\nchoir"_s, u"golf church choir"_s},
        {Field::Other, 18, u"net\r\n"_s, u"net "_s},
        {Field::Other, 18, u"a\rb\nc"_s, u"a\rb\nc"_s},
        {Field::Call, 0, u"K3\r\nAB"_s, u"K3\r\nAB"_s},
        {Field::Email, 9, u"a\tb@x"_s, u"a\tb@x"_s},
        {Field::Joined, 10, u" 07/04/03 "_s, u" 07/04/03 "_s},
        {Field::ArrlMember, 14, u"y"_s, u"y"_s},
        {Field::City, 5, QString(), QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        MemberRecord record;
        record[c.field] = c.stored;
        EXPECT_EQ(reportCell(record, c.column), c.shown);
        EXPECT_EQ(reportRow(record).cells[c.column], c.shown);
    }
}

TEST(ReportTableText, OneMemberByteForByte)
{
    MemberRecord record = distinctRecord(QString());
    record[Field::Address] = u"1 Oak\r\nApt 4"_s;
    record[Field::Other] = u"golf\r\nchoir"_s;
    record[Field::Phone] = u"555\t0100"_s;
    record[Field::MiddleInitial] = QString();
    EXPECT_EQ(reportTableText(storeOf({record}), {1}),
              u"call\tfirst\t\tlast\t1 Oak, Apt 4\tcity\tst\tzip\t555\t0100\temail\tjoined\t"
              "exp\tclass\tlicexp\tarrl\tvoting\tdues\tdob\tgolf choir\r\n"_s);
}

TEST(ReportTableText, LinesFollowTheDisplayOrder)
{
    const MemberStore store =
        storeOf({distinctRecord(u"1"_s), distinctRecord(u"2"_s), distinctRecord(u"3"_s)});
    const QString text = reportTableText(store, {3, 1, 2});
    EXPECT_EQ(text.count(u"\r\n"_s), 3);
    EXPECT_EQ(text.count(u'\t'), 54);
    EXPECT_TRUE(text.endsWith(u"\r\n"_s));
    const QStringList lines = text.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(u"call3\tfirst3\t"_s));
    EXPECT_TRUE(lines[1].startsWith(u"call1\tfirst1\t"_s));
    EXPECT_TRUE(lines[2].endsWith(u"\tdob2\tother2"_s));
    EXPECT_EQ(lines[3], QString());

    EXPECT_EQ(reportTableText(store, {}), QString());
    EXPECT_EQ(reportTableText(MemberStore(), {}), QString());
}

} // namespace
} // namespace tessaly
