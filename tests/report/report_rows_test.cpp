#include "report/report_rows.h"
#include "report/report_table.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Every field holds a text of its own, so that a field shown in the wrong column shows.
MemberRecord distinctRecord(int n)
{
    const char16_t *const names[kFieldCount] = {
        u"call",   u"first", u"mi",     u"last",  u"addr", u"city",   u"st",
        u"zip",    u"phone", u"other",  u"email", u"exp",  u"joined", u"class",
        u"licexp", u"arrl",  u"voting", u"dues",  u"dob",
    };
    MemberRecord record;
    for (int f = 0; f < kFieldCount; ++f)
        record.values[f] = QString::fromUtf16(names[f]) + QString::number(n);
    return record;
}

MemberStore storeOf(std::initializer_list<MemberRecord> records)
{
    MemberStore store;
    for (const MemberRecord &record : records)
        store.append(record);
    return store;
}

// Call, First, MI, Last, Address, City, State, Zip, Phone, Email, Joined, Expires, Class,
// Lic Exp, ARRL, Voting, Dues, DOB, Other: the clipboard gets one line per displayed record in
// display order, cells joined by single tabs, each line ended by CR LF.
TEST(ReportTableText, CellsAndLinesFollowTheDisplayOrder)
{
    const auto line = [](int n) {
        return u"call%1\tfirst%1\tmi%1\tlast%1\taddr%1\tcity%1\tst%1\tzip%1\tphone%1\temail%1\t"
               u"joined%1\texp%1\tclass%1\tlicexp%1\tarrl%1\tvoting%1\tdues%1\tdob%1\tother%1\r\n"_s
                   .arg(n);
    };
    const ReportRow row = reportRow(distinctRecord(1));
    EXPECT_EQ(QStringList(row.cells.begin(), row.cells.end()).join(u'\t') + u"\r\n"_s, line(1));
    const MemberStore store = storeOf({distinctRecord(1), distinctRecord(2), distinctRecord(3)});
    EXPECT_EQ(reportTableText(store, {3, 1, 2}), line(3) + line(1) + line(2));
    EXPECT_EQ(reportTableText(store, {}), QString());
    EXPECT_EQ(reportTableText(MemberStore(), {}), QString());
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

} // namespace
} // namespace tessaly
