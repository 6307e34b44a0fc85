#include "main_window/member_search.h"

#include "core/text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Values = std::initializer_list<std::pair<Field, QString>>;

MemberRecord member(Values values)
{
    MemberRecord record;
    for (const auto &[field, value] : values)
        record[field] = value;
    return record;
}

MemberStore storeOf(std::initializer_list<MemberRecord> records)
{
    MemberStore store;
    for (const MemberRecord &r : records)
        store.append(r);
    return store;
}

// No letter y or n outside the yes/no flags, and the year 2003 only in the dates.
MemberRecord carter()
{
    return member({{Field::Call, u"K3ABC"_s},
                   {Field::FirstName, u"Alice"_s},
                   {Field::MiddleInitial, u"B"_s},
                   {Field::LastName, u"Carter"_s},
                   {Field::Address, u"5 Oak St\r\nApt 7"_s},
                   {Field::City, u"Bala Mawr"_s},
                   {Field::State, u"PA"_s},
                   {Field::Zip, u"19010"_s},
                   {Field::Phone, u"610-555-0199"_s},
                   {Field::Other, u"golf\r\nchurch"_s},
                   {Field::Email, u"alice@example.org"_s},
                   {Field::ClubExpires, u"12/31/2003"_s},
                   {Field::Joined, u"7/4/2003"_s},
                   {Field::LicenseClass, u"Extra"_s},
                   {Field::LicenseExpires, u"3/3/2003"_s},
                   {Field::ArrlMember, u"Y"_s},
                   {Field::VotingMember, u"N"_s},
                   {Field::DuesPaid, u"y"_s},
                   {Field::Dob, u"1/2/1955"_s}});
}

struct SearchCase {
    const char *name;
    QString text;
    bool matches;
};

void PrintTo(const SearchCase &c, std::ostream *os)
{
    *os << c.name;
}

class MatchesSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MatchesSearchTest, AgainstOneMember)
{
    const SearchCase &c = GetParam();
    EXPECT_EQ(matchesSearch(carter(), c.text), c.matches)
        << "search text: " << c.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MatchesSearchTest,
    ::testing::Values(SearchCase{"LowerCaseFindsCapitalised", u"carter"_s, true},
                      SearchCase{"CapitalsFindLowerCase", u"GOLF"_s, true},
                      SearchCase{"MixedCaseCallSign", u"k3Ab"_s, true},
                      SearchCase{"LeadingBlankAfterABlank", u" mawr"_s, true},
                      SearchCase{"LeadingBlankAtFieldStart", u" carter"_s, false},
                      SearchCase{"TrailingBlankIsKept", u"Carter "_s, false},
                      SearchCase{"SecondAddressLine", u"apt 7"_s, true},
                      SearchCase{"LineBreakIsNotABlank", u"golf church"_s, false},
                      SearchCase{"TextSpanningTwoFields", u"AliceB"_s, false},
                      SearchCase{"LicenceClassIsSearched", u"xtr"_s, true},
                      SearchCase{"YearOnlyInDates", u"2003"_s, false},
                      SearchCase{"DateText", u"7/4"_s, false},
                      SearchCase{"YesFlagOnly", u"y"_s, false},
                      SearchCase{"NoFlagOnly", u"n"_s, false},
                      SearchCase{"LongerThanAnyField", u"alice@example.org and more"_s, false},
                      SearchCase{"WholeField", u"ALICE@EXAMPLE.ORG"_s, true},
                      SearchCase{"NoMatch", u"zq"_s, false}, SearchCase{"Empty", u""_s, true}),
    [](const ::testing::TestParamInfo<SearchCase> &info) { return info.param.name; });

// Each field on its own: the twelve text fields are searched, the dates and flags not.
TEST(MatchesSearch, SearchesExactlyTheTwelveTextFields)
{
    const std::vector<Field> searched = {Field::Call,     Field::FirstName, Field::MiddleInitial,
                                         Field::LastName, Field::Address,   Field::City,
                                         Field::State,    Field::Zip,       Field::Phone,
                                         Field::Other,    Field::Email,     Field::LicenseClass};
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        const bool expected = std::find(searched.begin(), searched.end(), field) != searched.end();
        const MemberRecord record = member({{field, u"Qz9"_s}});
        EXPECT_EQ(matchesSearch(record, u"qZ9"_s), expected) << "field " << i;
        EXPECT_EQ(matchesSearch(record, QString()), expected) << "field " << i;
    }
}

TEST(MatchesSearch, IgnoresCaseOfAccentedLetters)
{
    const MemberRecord record = member({{Field::LastName, u"REN\u00c9E \u0152UVRE"_s}});
    EXPECT_TRUE(matchesSearch(record, u"ren\u00e9e"_s));
    EXPECT_TRUE(matchesSearch(record, u"\u0153uvre"_s));
    EXPECT_FALSE(matchesSearch(record, u"renee"_s));
}

// Every pair of characters the roll file can hold: the search must fold case the
// way Qt's own case-insensitive comparison does.
TEST(MatchesSearch, AgreesWithQtCaseInsensitiveContainsOverWindows1252)
{
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes.append(static_cast<char>(b));
    const QString chars = decodeWindows1252(bytes);
    int disagreements = 0;
    for (QChar haystack : chars) {
        const MemberRecord record = member({{Field::City, QString(haystack)}});
        for (QChar needle : chars) {
            const bool expected = QString(haystack).contains(needle, Qt::CaseInsensitive);
            if (matchesSearch(record, QString(needle)) != expected && ++disagreements <= 5)
                ADD_FAILURE() << "U+" << QString::number(haystack.unicode(), 16).toStdString()
                              << " searched for U+"
                              << QString::number(needle.unicode(), 16).toStdString();
        }
    }
    EXPECT_EQ(disagreements, 0);
}

TEST(SearchMembers, ListsMatchesInStoreOrder)
{
    const MemberStore store = storeOf({
        member({{Field::LastName, u"Adams"_s}, {Field::Joined, u"1/1/2003"_s}}),
        member({{Field::LastName, u"Baker"_s}, {Field::Address, u"2003 Elm Rd"_s}}),
        member({{Field::LastName, u"Cole"_s}, {Field::Zip, u"20030"_s}}),
        member({{Field::LastName, u"Dean"_s}}),
    });
    EXPECT_EQ(searchMembers(store, u"2003"_s), (std::vector<int>{2, 3}));
    EXPECT_EQ(searchMembers(store, u"A"_s), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(searchMembers(store, u"nobody"_s), std::vector<int>{});
}

// A member added with every box empty still holds N in its flags and may hold dates;
// an empty search lists only members with text in a searched field.
TEST(SearchMembers, EmptyTextSkipsMembersWithoutSearchedText)
{
    const MemberStore store = storeOf({
        member({{Field::LastName, u"Adams"_s}}),
        member({{Field::ArrlMember, u"N"_s},
                {Field::VotingMember, u"N"_s},
                {Field::DuesPaid, u"N"_s},
                {Field::Dob, u"1/2/1950"_s}}),
        member({{Field::Other, u"golf"_s}}),
        MemberRecord{},
    });
    EXPECT_EQ(searchMembers(store, QString()), (std::vector<int>{1, 3}));
}

TEST(SearchMembers, EmptyStoreListsNothing)
{
    EXPECT_TRUE(searchMembers(MemberStore{}, u"a"_s).empty());
    EXPECT_TRUE(searchMembers(MemberStore{}, QString()).empty());
    EXPECT_TRUE(votingMembers(MemberStore{}).empty());
}

TEST(VotingMembers, YInEitherCaseOnly)
{
    const MemberStore store = storeOf({
        member({{Field::LastName, u"A"_s}, {Field::VotingMember, u"Y"_s}}),
        member({{Field::LastName, u"B"_s}, {Field::VotingMember, u"N"_s}}),
        member({{Field::LastName, u"C"_s}, {Field::VotingMember, u"y"_s}}),
        member({{Field::LastName, u"D"_s}}),
        member({{Field::LastName, u"E"_s}, {Field::VotingMember, u"n"_s}}),
        member({{Field::LastName, u"F"_s}, {Field::ArrlMember, u"Y"_s}, {Field::DuesPaid, u"Y"_s}}),
    });
    EXPECT_EQ(votingMembers(store), (std::vector<int>{1, 3}));
}

} // namespace
} // namespace tessaly
