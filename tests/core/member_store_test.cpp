#include "core/member_store.h"
#include "core/member_table.h"

#include "member_records.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tessaly {

using namespace Qt::StringLiterals;
using testing::recordOf;
using testing::storeOf;

// The given field of every record, separated by blanks.
static QString column(const MemberStore &store, Field f)
{
    QStringList values;
    for (int n = 1; n <= store.count(); ++n)
        values << store.field(n, f);
    return values.join(u' ');
}

TEST(MemberStore, RemovalMovesLaterRecordsDownAndFreesASlot)
{
    for (const auto &[removed, remaining] :
         {std::pair(1, u"B C"_s), {2, u"A C"_s}, {3, u"A B"_s}}) {
        MemberStore store = storeOf({u"|||A"_s, u"|||B"_s, u"|||C"_s});
        store.removeMember(removed);
        EXPECT_EQ(column(store, Field::LastName), remaining);
    }
    MemberStore store = testing::fullRoll();
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(recordOf(u"|||One too many"_s)));
    store.removeMember(MemberStore::kCapacity);
    EXPECT_TRUE(store.append(recordOf(u"|||Newcomer"_s)));
    EXPECT_EQ(store.field(MemberStore::kCapacity, Field::LastName), u"Newcomer"_s);
    EXPECT_DEBUG_DEATH(store.setField(0, Field::LastName, u"X"_s), "out of range");
    EXPECT_DEBUG_DEATH(store.removeMember(MemberStore::kCapacity + 1), "out of range");
}

TEST(SortMembers, IgnoresCaseKeepsEqualKeysInOrderAndReportsWhereEachWent)
{
    // A blank sorts before any letter: "Smith" before "Smithers", an empty last name first.
    MemberStore store = storeOf({u"1|Al||Smithers"_s, u"2|john|R|Smith"_s, u"3|John|q|SMITH"_s,
                                 u"4|Al||Smith"_s, u"5|Zed"_s, u"6|JOHN|r|smith"_s});
    EXPECT_EQ(store.sortMembers(), (std::vector<int>{0, 6, 4, 3, 2, 1, 5}));
    EXPECT_EQ(column(store, Field::Call), u"5 4 3 2 6 1"_s);
    EXPECT_EQ(MemberStore().sortMembers(), std::vector<int>{0});

    // Enough equal keys, in mixed case, that an unstable sort would shuffle them.
    const char *names[] = {"adams", "Baker", "ADAMS", "baker"};
    QStringList calls[2];
    store.clear();
    for (int i = 0; i < 100; ++i) {
        store.append(recordOf(QString::number(i) + u"|||"_s + QLatin1String(names[i % 4])));
        calls[i % 2] << QString::number(i);
    }
    store.sortMembers();
    EXPECT_EQ(column(store, Field::Call), (calls[0] + calls[1]).join(u' '));
}

// The table both the member list and the report copy: members in the order given, numbers
// outside the store skipped, Email, Joined, Expires and Other out of file order, CR LF pairs
// in Address and Other joined while a lone CR or LF stays, a tab inside a value left as it is,
// and an empty member nineteen empty values.
TEST(MemberTable, TheCopiedTableByteForByte)
{
    const MemberStore store = storeOf({
        u"K3AB|Jo|Q|Li, Jr|1 Oak\r\nApt 4|Ayr|PA|19063|555|golf\r\nchoir|e@x|12/26|1/99|Gen|7/30|"
        "Y|N|y|2/60"_s,
        u"|Al||Bo|1\rA\n2\r\r\nB|||19063||x\n\ry\r\n|a\tb@x"_s,
        QString(),
    });
    EXPECT_EQ(memberTableText(store, {2, 9, 1, 0, 3, -1}),
              u"\tAl\t\tBo\t1\rA\n2\r, B\t\t\t19063\t\ta\tb@x\t\t\t\t\t\t\t\t\tx\n\ry \r\n"
              "K3AB\tJo\tQ\tLi, Jr\t1 Oak, Apt 4\tAyr\tPA\t19063\t555\te@x\t1/99\t12/26\tGen\t"
              "7/30\tY\tN\ty\t2/60\tgolf choir\r\n"
              "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"_s);
    EXPECT_EQ(memberTableText(store, {}), QString());

    // One cell alone, as the report shows it.
    const MemberRecord record = recordOf(u"K3\r\nAB||||\r\n\r\n|||||net\r\n"_s);
    EXPECT_EQ(memberTableCell(record, Field::Address), u", , "_s);
    EXPECT_EQ(memberTableCell(record, Field::Other), u"net "_s);
    EXPECT_EQ(memberTableCell(record, Field::Call), u"K3\r\nAB"_s);
}

} // namespace tessaly
