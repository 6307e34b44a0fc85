#include "core/member_store.h"

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

} // namespace tessaly
