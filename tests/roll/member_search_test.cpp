#include "roll/member_search.h"

#include "core/text_codec.h"

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

MemberRecord member(std::initializer_list<std::pair<Field, QString>> values)
{
    MemberRecord record;
    for (const auto &[field, value] : values)
        record[field] = value;
    return record;
}

TEST(MatchesSearch, AgainstOneMember)
{
    const MemberRecord carter{{u"K3ABC"_s, u"Alice"_s, u"B"_s, u"Carter"_s, u"5 Oak St\r\nApt 7"_s,
                               u"Bala Mawr"_s, u"PA"_s, u"19010"_s, u"610-555-0199"_s,
                               u"golf\r\nchurch"_s, u"alice@example.org"_s}};
    for (const QString &text :
         {u"carter"_s, u"GOLF"_s, u" mawr"_s, u"apt 7"_s, u"ALICE@EXAMPLE.ORG"_s, QString()})
        EXPECT_TRUE(matchesSearch(carter, text)) << text.toStdString();
    // A leading or trailing blank is kept, and a line break is not a blank.
    for (const QString &text : {u" carter"_s, u"Carter "_s, u"golf church"_s, u"AliceB"_s, u"zq"_s,
                                u"alice@example.org and more"_s})
        EXPECT_FALSE(matchesSearch(carter, text)) << text.toStdString();
}

// Each field alone: Call to Email in file order and LicenseClass are searched, dates and flags not.
TEST(MatchesSearch, SearchesExactlyTheTwelveTextFields)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        const bool searched = field <= Field::Email || field == Field::LicenseClass;
        const MemberRecord record = member({{field, u"Qz9"_s}});
        EXPECT_EQ(matchesSearch(record, u"qZ9"_s), searched) << "field " << i;
        EXPECT_EQ(matchesSearch(record, QString()), searched) << "field " << i;
    }
}

// Over every pair of characters the roll file holds, case folds as in Qt's own comparison.
TEST(MatchesSearch, AgreesWithQtCaseInsensitiveContainsOverWindows1252)
{
    QString chars, wrong; // wrong: each pair that disagrees, the field's character first
    for (int b = 0x20; b <= 0xFF; ++b)
        chars += decodeWindows1252(QByteArray(1, static_cast<char>(b)));
    for (QChar held : chars)
        for (QChar sought : chars)
            if (matchesSearch(member({{Field::City, held}}), sought) !=
                QString(held).contains(sought, Qt::CaseInsensitive))
                wrong += QString(held) + sought + u' ';
    EXPECT_EQ(wrong.toStdString(), "");
}

// A member added with every box empty still holds N in a flag and may hold a date: an
// empty search skips it. Only "Y" in either case makes a voting member.
TEST(SearchMembers, SearchAndVotingListInStoreOrder)
{
    MemberStore store;
    store.append(member({{Field::LastName, u"Adams"_s}, {Field::VotingMember, u"Y"_s}}));
    store.append(member({{Field::Address, u"2003 Elm"_s}, {Field::VotingMember, u"n"_s}}));
    store.append(member({{Field::VotingMember, u"N"_s}, {Field::Dob, u"1/2/2003"_s}}));
    store.append(member({{Field::Other, u"golf"_s}, {Field::VotingMember, u"y"_s}}));
    store.append(member({{Field::ArrlMember, u"Y"_s}, {Field::DuesPaid, u"Y"_s}}));
    store.append(MemberRecord{});
    EXPECT_EQ(searchMembers(store, u"2003"_s), std::vector<int>{2});
    EXPECT_EQ(searchMembers(store, QString()), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(votingMembers(store), (std::vector<int>{1, 4}));
}

} // namespace
} // namespace tessaly
