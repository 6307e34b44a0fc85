#include "roll/listed_members.h"

#include "member_records.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

TEST(ListedMembers, RowsMapToRecordsInListOrder)
{
    // Call sign, first name, middle initial, last name.
    MemberStore store = testing::storeOf(
        {u"K3AA|Ann|Q|Adams"_s, u"W1BB|Bob||Baker"_s, u"|Cy|B|Carter"_s, u"|Di||Dean"_s});
    ListedMembers model(store);
    const auto line = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    model.listAllMembers();
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{1, 2, 3, 4}));
    // "Last, First MI", the blank after the first name there even without a middle
    // initial, then " - Call" only when there is a call sign.
    EXPECT_EQ(line(1), u"Adams, Ann Q - K3AA"_s);
    EXPECT_EQ(line(2), u"Baker, Bob  - W1BB"_s);
    EXPECT_EQ(line(3), u"Carter, Cy B"_s);
    EXPECT_EQ(line(4), u"Dean, Di "_s);

    model.listRecords({2, 4, 1});
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(model.recordAtRow(3), 1);
    EXPECT_EQ(line(3), u"Adams, Ann Q - K3AA"_s);
    EXPECT_EQ(model.recordAtRow(0), 0);
    EXPECT_EQ(model.recordAtRow(4), 0);
    store.removeMember(4); // before a relisting, a row whose record is gone shows nothing
    EXPECT_EQ(line(2), QString());

    model.listRecords({});
    EXPECT_EQ(model.rowCount(), 0);
    // Each listing resets the model once, not row by row.
    EXPECT_EQ(resets.count(), 3);
}

// A megabyte in one value (another program wrote it) must not be measured at every paint:
// the line is cut where no list could show it, never inside a character.
TEST(ListedMembers, AHugeLineIsCutWhereNoListCouldShowIt)
{
    const qsizetype cut = ListedMembers::kLongestLineShown;
    const QString huge(1024 * 1024, u'x');
    // A last name that puts an emoji (a surrogate pair) across the cut.
    const QString straddling = QString(cut - 1, u'y') + u"\U0001F4FB"_s + u"zz"_s;
    MemberStore store = testing::storeOf(
        {u"K3AA|Ann||"_s + huge, u"|Bob||"_s + straddling, u"|Cy||"_s + QString(cut - 5, u'w')});
    ListedMembers model(store);
    model.listAllMembers();
    const auto line = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    EXPECT_EQ(line(1), huge.left(cut));
    EXPECT_EQ(line(2), QString(cut - 1, u'y'));
    EXPECT_EQ(line(3), QString(cut - 5, u'w') + u", Cy "_s); // exactly at the limit: whole
}

} // namespace tessaly
