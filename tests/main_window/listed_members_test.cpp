#include "main_window/listed_members.h"
#include "main_window/member_list_line.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

MemberRecord member(const QString &last, const QString &first, const QString &middle,
                    const QString &call)
{
    MemberRecord record;
    record[Field::LastName] = last;
    record[Field::FirstName] = first;
    record[Field::MiddleInitial] = middle;
    record[Field::Call] = call;
    return record;
}

struct LineCase {
    const char *name;
    MemberRecord record;
    QString line;
};

class MemberListLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(MemberListLineTest, WritesLastFirstMiddleAndCall)
{
    EXPECT_EQ(memberListLine(GetParam().record), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MemberListLineTest,
    ::testing::Values(
        LineCase{"Everything", member(u"Smith"_s, u"John"_s, u"Q"_s, u"K3ABC"_s),
                 u"Smith, John Q - K3ABC"_s},
        LineCase{"NoMiddleInitialTwoBlanksBeforeHyphen",
                 member(u"Smith"_s, u"John"_s, {}, u"K3ABC"_s), u"Smith, John  - K3ABC"_s},
        LineCase{"NoCallNoHyphen", member(u"Smith"_s, u"John"_s, u"Q"_s, {}), u"Smith, John Q"_s},
        LineCase{"NoCallNoMiddleEndsInBlank", member(u"Baxter"_s, u"Dorothy"_s, {}, {}),
                 u"Baxter, Dorothy "_s},
        LineCase{"CommaInLastName", member(u"Smith, Jr."_s, u"John"_s, u"Q"_s, u"N3JRS"_s),
                 u"Smith, Jr., John Q - N3JRS"_s},
        LineCase{"AllEmpty", MemberRecord{}, u",  "_s}),
    [](const ::testing::TestParamInfo<LineCase> &info) { return std::string(info.param.name); });

class ListedMembersTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        store.append(member(u"Adams"_s, u"Ann"_s, {}, u"K3AAA"_s));
        store.append(member(u"Baker"_s, u"Bob"_s, u"B"_s, {}));
        store.append(member(u"Carter"_s, u"Cy"_s, {}, {}));
    }

    QString line(int row) const
    {
        return model.data(model.index(row - 1), Qt::DisplayRole).toString();
    }

    MemberStore store;
    ListedMembers model{store};
};

TEST_F(ListedMembersTest, ListAllMapsEveryRowToItsRecordInStoreOrder)
{
    model.listAllMembers();
    ASSERT_EQ(model.listedCount(), 3);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(line(1), u"Adams, Ann  - K3AAA"_s);
    EXPECT_EQ(line(2), u"Baker, Bob B"_s);
    EXPECT_EQ(line(3), u"Carter, Cy "_s);
}

TEST_F(ListedMembersTest, AddedMembersAppendInTheOrderAdded)
{
    model.addListedMember(3);
    model.addListedMember(1);
    EXPECT_EQ(model.listedCount(), 2);
    EXPECT_EQ(model.recordAtRow(1), 3);
    EXPECT_EQ(model.recordAtRow(2), 1);
    EXPECT_EQ(line(1), u"Carter, Cy "_s);
    EXPECT_EQ(model.recordAtRow(0), 0);
    EXPECT_EQ(model.recordAtRow(3), 0);
}

TEST_F(ListedMembersTest, EmptyStoreAndEmptyListHaveNoRows)
{
    model.listAllMembers();
    model.emptyList();
    EXPECT_EQ(model.listedCount(), 0);
    EXPECT_EQ(model.rowCount(), 0);

    MemberStore none;
    ListedMembers emptyModel(none);
    emptyModel.listAllMembers();
    EXPECT_EQ(emptyModel.listedCount(), 0);
}

TEST_F(ListedMembersTest, AListingResetsTheModelOnceNotRowByRow)
{
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    model.listAllMembers();
    model.listRecords({2, 3});
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(inserts.count(), 0);
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{2, 3}));
}

TEST_F(ListedMembersTest, RowOfARecordNoLongerInTheStoreShowsNothing)
{
    model.listAllMembers();
    store.removeMember(3);
    EXPECT_EQ(line(3), QString());
    EXPECT_EQ(line(2), u"Baker, Bob B"_s);
}

} // namespace
} // namespace tessaly
