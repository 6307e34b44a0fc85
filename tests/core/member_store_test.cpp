#include "core/member_store.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tessaly {

using namespace Qt::StringLiterals;

// A record whose first fields are the given texts, separated by '|'; the rest stay empty.
static MemberRecord rec(const QByteArray &values)
{
    MemberRecord record;
    const QList<QByteArray> parts = values.split('|');
    for (qsizetype i = 0; i < parts.size(); ++i)
        record.values.at(i) = QString::fromUtf8(parts[i]);
    return record;
}

// Records as rec() takes them, separated by ';'.
static MemberStore storeOf(const QByteArray &records)
{
    MemberStore store;
    for (const QByteArray &r : records.split(';'))
        store.append(rec(r));
    return store;
}

// The given field of every record, separated by blanks.
static QString column(const MemberStore &store, Field f)
{
    QStringList values;
    for (int n = 1; n <= store.count(); ++n)
        values << store.field(n, f);
    return values.join(u' ');
}

TEST(MemberRecord, OnlyASingleYInEitherCaseIsYes)
{
    EXPECT_TRUE(isYes(u"Y"_s) && isYes(u"y"_s));
    for (const QString &no : {u"N"_s, u""_s, u" Y"_s, u"YES"_s})
        EXPECT_FALSE(isYes(no)) << no.toStdString();
}

TEST(MemberStore, RemovalMovesLaterRecordsDownAndFreesASlot)
{
    const std::pair<int, QString> cases[] = {{1, u"B C"_s}, {2, u"A C"_s}, {3, u"A B"_s}};
    for (const auto &[removed, remaining] : cases) {
        MemberStore store = storeOf("|||A;|||B;|||C");
        store.removeMember(removed);
        EXPECT_EQ(column(store, Field::LastName), remaining);
    }
    MemberStore store;
    for (int i = 0; i < MemberStore::kCapacity; ++i)
        ASSERT_TRUE(store.append(rec("|||A")));
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(rec("|||One too many")));
    store.removeMember(MemberStore::kCapacity);
    EXPECT_TRUE(store.append(rec("|||Newcomer")));
    EXPECT_EQ(store.field(MemberStore::kCapacity, Field::LastName), u"Newcomer"_s);
    EXPECT_DEBUG_DEATH(store.setField(0, Field::LastName, u"X"_s), "out of range");
    EXPECT_DEBUG_DEATH(store.removeMember(MemberStore::kCapacity + 1), "out of range");
}

TEST(SortMembers, IgnoresCaseKeepsEqualKeysInOrderAndReportsWhereEachWent)
{
    MemberStore store = storeOf("|||Baker;|||Carter;|||adams");
    EXPECT_EQ(store.sortMembers(), (std::vector<int>{0, 2, 3, 1}));
    EXPECT_EQ(column(store, Field::LastName), u"adams Baker Carter"_s);

    // A blank sorts before any letter: "Smith" before "Smithers", an empty last name first.
    store =
        storeOf("1|Al||Smithers;2|john|R|Smith;3|John|q|SMITH;4|Al||Smith;5|Zed;6|JOHN|r|smith");
    EXPECT_EQ(store.sortMembers(), (std::vector<int>{0, 6, 4, 3, 2, 1, 5}));
    EXPECT_EQ(column(store, Field::Call), u"5 4 3 2 6 1"_s);
    EXPECT_EQ(MemberStore().sortMembers(), std::vector<int>{0});

    // Enough equal keys, in mixed case, that an unstable sort would shuffle them.
    const char *names[] = {"adams", "Baker", "ADAMS", "baker"};
    QStringList calls[2];
    store.clear();
    for (int i = 0; i < 100; ++i) {
        store.append(rec(QByteArray::number(i) + "|||" + names[i % 4]));
        calls[i % 2] << QString::number(i);
    }
    store.sortMembers();
    EXPECT_EQ(column(store, Field::Call), (calls[0] + calls[1]).join(u' '));
}

} // namespace tessaly
