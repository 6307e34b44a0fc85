#include "import/column_matching.h"
#include "import/import_plan.h"
#include "import/import_texts.h"
#include "import/value_fixing.h"

#include "member_records.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

const QDate today{2026, 12, 6};

TEST(ColumnMatchingTest, MatchesReportHeadersCaptionsAndUsualNamesOnce)
{
    const QStringList headers = {u"Call sign"_s,  u"FIRST NAME"_s, u"mi"_s,         u"Surname"_s,
                                 u"E-mail"_s,     u"Zip code"_s,   u"Lic Exp"_s,    u"D.O.B."_s,
                                 u" Dues Paid"_s, u"Notes"_s,      u"Expiration"_s, u"email"_s};
    const ColumnMatches expected = {
        Field::Call,  Field::FirstName,      Field::MiddleInitial, Field::LastName, Field::Email,
        Field::Zip,   Field::LicenseExpires, Field::Dob,           Field::DuesPaid, Field::Other,
        std::nullopt, std::nullopt,          std::nullopt};
    EXPECT_EQ(matchColumns(headers, 13), expected);

    ColumnMatches matches = {Field::Call, Field::LastName, std::nullopt};
    assignField(matches, 2, Field::LastName);
    EXPECT_EQ(matches, (ColumnMatches{Field::Call, std::nullopt, Field::LastName}));
    assignField(matches, 0, std::nullopt);
    EXPECT_EQ(matches, (ColumnMatches{std::nullopt, std::nullopt, Field::LastName}));
}

TEST(ValueFixingTest, MakesEachKindOfValueFitForTheRoll)
{
    const struct {
        Field field;
        QString raw;
        QString text;
        bool replaced;
        bool kept;
    } cases[] = {
        {Field::LastName, u"  O\"Brien \""_s, u"OBrien"_s, false, false},
        {Field::Address, u"12 Oak\nApt 2\rRear\r\n"_s, u"12 Oak\r\nApt 2\r\nRear"_s, false, false},
        {Field::City, u"Glen\r\nMills\tEast"_s, u"Glen Mills East"_s, false, false},
        {Field::Call, u"k3abc"_s, u"K3ABC"_s, false, false},
        {Field::State, u"pa"_s, u"PA"_s, false, false},
        {Field::ArrlMember, u"Yes"_s, u"Y"_s, false, false},
        {Field::VotingMember, u"x"_s, u"Y"_s, false, false},
        {Field::DuesPaid, u"TRUE"_s, u"Y"_s, false, false},
        {Field::DuesPaid, u"0"_s, u"N"_s, false, false},
        {Field::ArrlMember, u""_s, u"N"_s, false, false},
        {Field::ArrlMember, u"maybe"_s, u"maybe"_s, false, true},
        {Field::Joined, u"07/04/2003"_s, u"7/4/2003"_s, false, false},
        {Field::Dob, u"1951-07-19"_s, u"7/19/1951"_s, false, false},
        {Field::ClubExpires, u"12/31/26"_s, u"12/31/2026"_s, false, false},
        {Field::LicenseExpires, u"next spring"_s, u"next spring"_s, false, true},
        {Field::LastName, u"Kov\u0151 \u0141\u00F3d\u017A"_s, u"Kovo L\u00F3dz"_s, true, false},
        {Field::Other, u"73 \U0001F4FB!"_s, u"73 ?!"_s, true, false},
        {Field::FirstName, u"Ren\u00E9e \u20AC"_s, u"Ren\u00E9e \u20AC"_s, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.raw.toStdString());
        const FixedValue fixed = fixValue(c.field, c.raw, today);
        EXPECT_EQ(fixed.text, c.text);
        EXPECT_EQ(fixed.replaced, c.replaced);
        EXPECT_EQ(fixed.keptAsText, c.kept);
    }
}

// The roll: Adams (K3ABC, 12 Oak St) and Baker (no call, 5 Elm St on two lines).
TEST(ImportPlanTest, HoldsRowsAgainstTheRollAndTheRowsAbove)
{
    const MemberStore roll =
        testing::storeOf({u"K3ABC|John||Adams|12 Oak St"_s, u"|Mary||Baker|5 Elm St\r\nApt 2"_s});
    const ColumnMatches matches = {Field::Call, Field::FirstName, Field::LastName, Field::Address,
                                   std::nullopt};
    const std::vector<QStringList> rows = {
        {u"k3abc"_s, u"JOHN"_s, u"adams"_s, u"elsewhere"_s},   // 2: call and name
        {u""_s, u"mary"_s, u"BAKER"_s, u"5 Elm  St\nApt 2"_s}, // 3: name and address
        {u""_s, u"Mary"_s, u"Baker"_s, u"9 Pine Rd"_s},        // 4: same name only: new
        {u"W1XYZ"_s, u"John"_s, u"Adams"_s, u"1 Main"_s},      // 5: other call: new
        {u"W1XYZ"_s, u"John"_s, u"Adams"_s, u""_s},            // 6: as row 5
        {u"N3Q"_s, u"Zo\u0107"_s, u"Quinn"_s, u""_s},          // 7: replaced
        {u""_s, u""_s, u""_s, u""_s, u"not imported"_s},       // 8: empty
        {u""_s, u"Ann"_s},                                     // 9: ragged: new
    };
    const ImportPlan plan = planImport(rows, matches, roll, today);
    ASSERT_EQ(plan.rows.size(), 8u);
    EXPECT_EQ(plan.rows[0].duplicateOfMember, 1);
    EXPECT_EQ(plan.rows[1].duplicateOfMember, 2);
    EXPECT_FALSE(plan.rows[2].duplicate());
    EXPECT_FALSE(plan.rows[3].duplicate());
    EXPECT_EQ(plan.rows[4].duplicateOfRow, 5);
    EXPECT_EQ(plan.rows[5].replaced, std::vector<Field>{Field::FirstName});
    EXPECT_TRUE(plan.rows[6].empty);
    EXPECT_EQ(plan.rows[7].member[Field::FirstName], u"Ann"_s);
    EXPECT_EQ(plan.rows[7].member[Field::DuesPaid], u"N"_s);

    const ImportTally strict = tallyImport(plan, {});
    EXPECT_EQ(strict.added, 3);
    EXPECT_EQ(strict.duplicates, (std::vector<int>{2, 3, 6}));
    EXPECT_EQ(strict.unencodable, std::vector<int>{7});
    EXPECT_EQ(strict.empty, std::vector<int>{8});
    EXPECT_EQ(importResultMessage(u"club.csv"_s, strict),
              u"3 members added to the roll from club.csv.\n\n5 rows left out:\n"
              u"3 rows already on the roll (rows 2-3, 6)\n"
              u"1 row with characters AddrClub.dat cannot hold (rows 7)\n"
              u"1 row empty in every imported column (rows 8)"_s);

    const std::vector<MemberRecord> all = plan.membersToAdd({true, true});
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all[5][Field::FirstName], u"Zoc"_s);
}

// Values at the longest the roll takes and one past it, in an imported column and in one
// that is not; the last row holds a quote never closed.
TEST(ImportPlanTest, LeavesOutValuesTooLongAndTheRowAQuoteNeverClosedSwallowed)
{
    const QString longest(kLongestImportedValue, u'x');
    const QString tooLong = longest + u'x';
    // Blanks around a value go before it is measured.
    const QString padded = u"  "_s + longest + u"  "_s;
    const ColumnMatches matches = {Field::Call, Field::LastName, Field::Other, std::nullopt};
    const std::vector<QStringList> rows = {
        {u"K3A"_s, u"Able"_s, longest},                // 2: at the limit: added
        {u"K3B"_s, u"Baker"_s, tooLong},               // 3: too long
        {u"K3B"_s, u"Baker"_s, u"short"_s},            // 4: not a duplicate of row 3
        {u"K3C"_s, u"Cole"_s, padded, tooLong},        // 5: the long cell is not imported
        {u"K3D"_s, u"Dunn"_s, u"x\r\nK3E,Eve,\r\n"_s}, // 6: the quote never closed
    };
    const ImportPlan plan =
        planImport(rows, matches, MemberStore(), today, UnclosedCell{4, 2, 6, 7});
    ASSERT_EQ(plan.rows.size(), 5u);
    EXPECT_EQ(plan.rows[1].tooLong, std::vector<Field>{Field::Other});
    EXPECT_FALSE(plan.rows[2].duplicate());
    EXPECT_EQ(plan.rows[4].quoteNeverClosedColumn, 2);

    for (const ImportChoices choices : {ImportChoices{}, ImportChoices{true, true}}) {
        const ImportTally tally = tallyImport(plan, choices);
        EXPECT_EQ(tally.added, 3);
        EXPECT_EQ(tally.tooLong, std::vector<int>{3});
        EXPECT_EQ(tally.quoteNeverClosed, std::vector<int>{6});
        const std::vector<MemberRecord> added = plan.membersToAdd(choices);
        ASSERT_EQ(added.size(), 3u);
        EXPECT_EQ(added[0][Field::Other].size(), kLongestImportedValue);
        EXPECT_EQ(added[1][Field::Other], u"short"_s);
        EXPECT_EQ(added[2][Field::Call], u"K3C"_s);
    }
    EXPECT_EQ(importResultMessage(u"club.csv"_s, tallyImport(plan, {})),
              u"3 members added to the roll from club.csv.\n\n2 rows left out:\n"
              u"1 row whose quote is never closed, the rest of the file read into it (rows 6)\n"
              u"1 row with a value longer than 65,536 characters (rows 3)"_s);
    EXPECT_EQ(importSummary(tallyImport(plan, {}), 5, 100),
              u"5 rows in the file, 3 to add; 1 with a quote never closed; 1 with a value too "
              u"long."_s);
}

TEST(ImportPlanTest, ListsRowsAsRunsAndCutsLongLists)
{
    EXPECT_EQ(rowList({2, 3, 4, 7, 9, 10}), u"2-4, 7, 9-10"_s);
    std::vector<int> sparse;
    for (int row = 2; row < 50; row += 2)
        sparse.push_back(row);
    EXPECT_EQ(rowList(sparse), u"2, 4, 6, 8, 10, 12, 14, 16, 18, 20 and 14 more"_s);
}

} // namespace
} // namespace tessaly
