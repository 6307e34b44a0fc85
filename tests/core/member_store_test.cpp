#include "core/member_store.h"

#include "member_fixtures.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

namespace tessaly {
namespace {

using testing::named;
using testing::recordsOf;
using testing::storeOf;

QStringList lastNames(const MemberStore &store)
{
    QStringList names;
    for (int n = 1; n <= store.count(); ++n)
        names << store.field(n, Field::LastName);
    return names;
}

QStringList calls(const MemberStore &store)
{
    QStringList result;
    for (int n = 1; n <= store.count(); ++n)
        result << store.field(n, Field::Call);
    return result;
}

TEST(MemberSortKey, JoinsLastFirstAndMiddleWithBlanksEvenWhenEmpty)
{
    struct Case {
        const char *last, *first, *middle, *key;
    };
    const Case cases[] = {
        {"Smith", "John", "Q", "Smith John Q"},
        {"Smith", "", "", "Smith  "},
        {"", "John", "", " John "},
        {"", "", "Q", "  Q"},
        {"", "", "", "  "},
        {"van der Berg", "Anna Marie", "", "van der Berg Anna Marie "},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(memberSortKey(named(c.last, c.first, c.middle)), QString::fromUtf8(c.key))
            << c.key;
    }
}

TEST(IsYes, OnlyASingleYInEitherCaseIsYes)
{
    const std::pair<const char *, bool> cases[] = {
        {"Y", true},    {"y", true},    {"N", false},  {"n", false},  {"", false},
        {"YES", false}, {"Yes", false}, {" Y", false}, {"Y ", false}, {"1", false},
    };
    for (const auto &[text, yes] : cases)
        EXPECT_EQ(isYes(QString::fromUtf8(text)), yes) << text;
}

TEST(MemberStore, NumbersRecordsFromOneInAppendOrder)
{
    MemberStore store = storeOf({named("Carter"), named("Baker")});
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.field(1, Field::LastName), QStringLiteral("Carter"));
    EXPECT_EQ(store.field(2, Field::LastName), QStringLiteral("Baker"));

    store.setField(2, Field::DuesPaid, QStringLiteral("Y"));
    EXPECT_EQ(store.record(2)[Field::DuesPaid], QStringLiteral("Y"));

    store.replace(1, named("Adams"));
    EXPECT_EQ(lastNames(store), (QStringList{QStringLiteral("Adams"), QStringLiteral("Baker")}));
}

TEST(MemberStore, AppendRefusesTheRecordAfterCapacity)
{
    MemberStore store;
    for (int i = 0; i < MemberStore::kCapacity; ++i)
        ASSERT_TRUE(store.append(named("Member")));
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(named("One too many")));
    EXPECT_EQ(store.count(), MemberStore::kCapacity);
    EXPECT_EQ(store.field(MemberStore::kCapacity, Field::LastName), QStringLiteral("Member"));
}

TEST(MemberStore, NumbersOutsideTheRollNeitherReadNorWriteAMember)
{
    MemberStore store = storeOf({named("Baker")});
    // Debug builds stop at the programming error; release builds hand out a blank.
    EXPECT_DEBUG_DEATH(store.setField(0, Field::LastName, QStringLiteral("X")), "out of range");
    EXPECT_DEBUG_DEATH(store.setField(2, Field::LastName, QStringLiteral("X")), "out of range");
    EXPECT_DEBUG_DEATH(store.removeMember(5), "out of range");
    EXPECT_EQ(recordsOf(store), std::vector<MemberRecord>{named("Baker")});
}

TEST(MemberStore, RemoveMovesLaterRecordsDownAndKeepsTheirOrder)
{
    struct Case {
        int removed;
        QStringList remaining;
    };
    const QString a = QStringLiteral("A"), b = QStringLiteral("B"), c = QStringLiteral("C"),
                  d = QStringLiteral("D");
    const Case cases[] = {
        {4, {a, b, c}},
        {1, {b, c, d}},
        {2, {a, c, d}},
        {3, {a, b, d}},
    };
    for (const Case &cs : cases) {
        MemberStore store = storeOf({named("A"), named("B"), named("C"), named("D")});
        store.removeMember(cs.removed);
        EXPECT_EQ(store.count(), 3);
        EXPECT_EQ(lastNames(store), cs.remaining) << "removing " << cs.removed;
    }

    MemberStore single = storeOf({named("A")});
    single.removeMember(1);
    EXPECT_EQ(single.count(), 0);
    EXPECT_TRUE(single.append(named("B")));
    EXPECT_EQ(single.field(1, Field::LastName), b);
}

TEST(MemberStore, RemoveFromAFullRollFreesOneSlot)
{
    MemberStore store;
    for (int i = 0; i < MemberStore::kCapacity; ++i)
        store.append(named("Member"));
    store.removeMember(MemberStore::kCapacity);
    EXPECT_EQ(store.count(), MemberStore::kCapacity - 1);
    EXPECT_TRUE(store.append(named("Newcomer")));
}

TEST(SortMembers, IgnoresLetterCaseAndReportsWhereEachRecordWent)
{
    MemberStore store = storeOf({named("Baker"), named("Carter"), named("adams")});
    const std::vector<int> moved = store.sortMembers();
    EXPECT_EQ(lastNames(store), (QStringList{QStringLiteral("adams"), QStringLiteral("Baker"),
                                             QStringLiteral("Carter")}));
    EXPECT_EQ(moved, (std::vector<int>{0, 2, 3, 1}));
}

TEST(SortMembers, OrdersByLastThenFirstThenMiddle)
{
    MemberStore store = storeOf({
        named("Smithers", "Al", "", "1"),
        named("Smith", "John", "R", "2"),
        named("Smith", "john", "q", "3"),
        named("Smith", "Al", "", "4"),
        named("", "Zed", "", "5"),
        named("SMITH", "", "", "6"),
    });
    store.sortMembers();
    // A blank sorts before any letter, so "Smith" comes before "Smithers" and an
    // empty last name comes first.
    EXPECT_EQ(calls(store),
              (QStringList{QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("4"),
                           QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
}

TEST(SortMembers, EqualKeysKeepTheirOrderAndBothStay)
{
    MemberStore store = storeOf({
        named("Smith", "John", "", "first"),
        named("Adams"),
        named("SMITH", "JOHN", "", "second"),
        named("smith", "john", "", "third"),
        named("Adams"),
    });
    const std::vector<int> moved = store.sortMembers();
    EXPECT_EQ(calls(store), (QStringList{QString(), QString(), QStringLiteral("first"),
                                         QStringLiteral("second"), QStringLiteral("third")}));
    EXPECT_EQ(moved, (std::vector<int>{0, 3, 1, 4, 5, 2}));
}

TEST(SortMembers, MovesAnAddedMemberIntoPlace)
{
    MemberStore store;
    for (char c = 'A'; c <= 'J'; ++c)
        store.append(named(QByteArray(1, c).constData()));
    store.append(named("Dz"));
    const std::vector<int> moved = store.sortMembers();
    EXPECT_EQ(moved[11], 5);
    EXPECT_EQ(store.field(5, Field::LastName), QStringLiteral("Dz"));
    EXPECT_EQ(store.field(6, Field::LastName), QStringLiteral("E"));
    EXPECT_EQ(store.field(11, Field::LastName), QStringLiteral("J"));
}

TEST(SortMembers, EmptyRollStaysEmpty)
{
    MemberStore store;
    EXPECT_EQ(store.sortMembers(), std::vector<int>{0});
    EXPECT_EQ(store.count(), 0);
}

// Many duplicates in mixed case: the result must be ordered, be a permutation that the
// returned mapping describes, and keep equal keys in their old order.
TEST(SortMembers, ResultIsAnOrderedStablePermutationOfTheRoll)
{
    const char *lasts[] = {"ada", "Ada", "ADA", "baker", "Baker", "b", "", "Émile", "zeta"};
    const char *firsts[] = {"", "al", "Al", "bo"};
    QRandomGenerator random(42);
    MemberStore store;
    for (int i = 0; i < 500; ++i) {
        store.append(named(lasts[random.bounded(9)], firsts[random.bounded(4)], "",
                           QByteArray::number(i).constData()));
    }
    const std::vector<MemberRecord> before = recordsOf(store);
    const std::vector<int> moved = store.sortMembers();

    ASSERT_EQ(moved.size(), before.size() + 1);
    for (std::size_t old = 1; old <= before.size(); ++old)
        ASSERT_EQ(store.record(moved[old]), before[old - 1]) << old;
    for (int n = 2; n <= store.count(); ++n) {
        const QString prev = memberSortKey(store.record(n - 1)).toCaseFolded();
        const QString cur = memberSortKey(store.record(n)).toCaseFolded();
        ASSERT_LE(prev, cur) << n;
        if (prev == cur) {
            ASSERT_LT(store.field(n - 1, Field::Call).toInt(), store.field(n, Field::Call).toInt())
                << n;
        }
    }
}

} // namespace
} // namespace tessaly
