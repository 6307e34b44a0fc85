#include "main_window/address_exports.h"

#include "temp_roll.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

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

// A member with every field filled with a value of its own, so that a value in the
// wrong column shows.
MemberRecord fullMember()
{
    return member({{Field::Call, u"K3ABC"_s},
                   {Field::FirstName, u"John"_s},
                   {Field::MiddleInitial, u"Q"_s},
                   {Field::LastName, u"Smith, Jr."_s},
                   {Field::Address, u"12 Oak St"_s},
                   {Field::City, u"Media"_s},
                   {Field::State, u"PA"_s},
                   {Field::Zip, u"19063"_s},
                   {Field::Phone, u"610-555-0101"_s},
                   {Field::Other, u"golf"_s},
                   {Field::Email, u"js@example.org"_s},
                   {Field::ClubExpires, u"12/31/2026"_s},
                   {Field::Joined, u"1/5/1999"_s},
                   {Field::LicenseClass, u"General"_s},
                   {Field::LicenseExpires, u"7/4/2030"_s},
                   {Field::ArrlMember, u"Y"_s},
                   {Field::VotingMember, u"N"_s},
                   {Field::DuesPaid, u"y"_s},
                   {Field::Dob, u"2/29/1960"_s}});
}

MemberRecord changed(MemberRecord record, Values values)
{
    for (const auto &[field, value] : values)
        record[field] = value;
    return record;
}

// ---- Quick Copy --------------------------------------------------------------------------

struct QuickCopyCase {
    const char *name;
    MemberRecord record;
    QString expected;
};

void PrintTo(const QuickCopyCase &c, std::ostream *os)
{
    *os << c.name;
}

class QuickCopyTextTest : public ::testing::TestWithParam<QuickCopyCase> {};

TEST_P(QuickCopyTextTest, ComposesTheBlockByteForByte)
{
    const QuickCopyCase &c = GetParam();
    EXPECT_EQ(quickCopyText(addressBoxesOf(c.record)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, QuickCopyTextTest,
    ::testing::Values(
        QuickCopyCase{"Full", fullMember(),
                      u"ARS - K3ABC\r\nJohn Q Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063"_s},
        QuickCopyCase{"NoCallSign", changed(fullMember(), {{Field::Call, {}}}),
                      u"John Q Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063"_s},
        QuickCopyCase{"LastNameOnly",
                      changed(fullMember(), {{Field::FirstName, {}}, {Field::MiddleInitial, {}}}),
                      u"ARS - K3ABC\r\nSmith, Jr.\r\n12 Oak St\r\nMedia PA 19063"_s},
        QuickCopyCase{"NoMiddleInitial", changed(fullMember(), {{Field::MiddleInitial, {}}}),
                      u"ARS - K3ABC\r\nJohn Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063"_s},
        QuickCopyCase{
            "TwoLineAddressKeepsItsBreak",
            changed(fullMember(), {{Field::Address, u"12 Oak St\r\nApt 4"_s}}),
            u"ARS - K3ABC\r\nJohn Q Smith, Jr.\r\n12 Oak St\r\nApt 4\r\nMedia PA 19063"_s},
        QuickCopyCase{"EmptyCityAndState",
                      changed(fullMember(), {{Field::City, {}}, {Field::State, {}}}),
                      u"ARS - K3ABC\r\nJohn Q Smith, Jr.\r\n12 Oak St\r\n  19063"_s},
        QuickCopyCase{"EmptyBoxes", MemberRecord{}, u"\r\n\r\n  "_s},
        QuickCopyCase{"AccentedName", changed(fullMember(), {{Field::FirstName, u"Ren\u00e9"_s}}),
                      u"ARS - K3ABC\r\nRen\u00e9 Q Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063"_s}),
    [](const ::testing::TestParamInfo<QuickCopyCase> &info) { return info.param.name; });

// ---- Address.txt and the clipboard table, one member ---------------------------------------

struct SingleMemberCase {
    const char *name;
    MemberRecord record;
    QString addressBlock;
    QString tableLine;
};

void PrintTo(const SingleMemberCase &c, std::ostream *os)
{
    *os << c.name;
}

class SingleMemberExportTest : public ::testing::TestWithParam<SingleMemberCase> {};

TEST_P(SingleMemberExportTest, AddressFileBlock)
{
    const SingleMemberCase &c = GetParam();
    EXPECT_EQ(addressFileText(storeOf({c.record}), {1}), c.addressBlock);
}

TEST_P(SingleMemberExportTest, ClipboardTableLine)
{
    const SingleMemberCase &c = GetParam();
    EXPECT_EQ(listExportTable(storeOf({c.record}), {1}), c.tableLine);
}

INSTANTIATE_TEST_SUITE_P(
    Members, SingleMemberExportTest,
    ::testing::Values(
        SingleMemberCase{
            "Full", fullMember(),
            u"ARS K3ABC \r\nJohn Q Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063\r\n\r\n"_s,
            u"K3ABC\tJohn\tQ\tSmith, Jr.\t12 Oak St\tMedia\tPA\t19063\t610-555-0101\t"
            "js@example.org\t"
            "1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\tgolf\r\n"_s},
        SingleMemberCase{
            "NoCallSign", changed(fullMember(), {{Field::Call, {}}}),
            u"John Q Smith, Jr.\r\n12 Oak St\r\nMedia PA 19063\r\n\r\n"_s,
            u"\tJohn\tQ\tSmith, Jr.\t12 Oak St\tMedia\tPA\t19063\t610-555-0101\tjs@example.org\t"
            "1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\tgolf\r\n"_s},
        SingleMemberCase{
            "LastNameOnly",
            changed(fullMember(), {{Field::FirstName, {}}, {Field::MiddleInitial, {}}}),
            u"ARS K3ABC \r\nSmith, Jr.\r\n12 Oak St\r\nMedia PA 19063\r\n\r\n"_s,
            u"K3ABC\t\t\tSmith, Jr.\t12 Oak St\tMedia\tPA\t19063\t610-555-0101\tjs@example.org\t"
            "1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\tgolf\r\n"_s},
        SingleMemberCase{
            "TwoLineAddressThreeLineOther",
            changed(fullMember(), {{Field::Address, u"12 Oak St\r\nApt 4"_s},
                                   {Field::Other, u"golf\r\nchurch\r\nchoir"_s}}),
            u"ARS K3ABC \r\nJohn Q Smith, Jr.\r\n12 Oak St\r\nApt 4\r\nMedia PA 19063\r\n\r\n"_s,
            u"K3ABC\tJohn\tQ\tSmith, Jr.\t12 Oak St, Apt 4\tMedia\tPA\t19063\t610-555-0101\t"
            "js@example.org\t1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\t"
            "golf church choir\r\n"_s},
        SingleMemberCase{
            "EmptyCityAndState", changed(fullMember(), {{Field::City, {}}, {Field::State, {}}}),
            u"ARS K3ABC \r\nJohn Q Smith, Jr.\r\n12 Oak St\r\n  19063\r\n\r\n"_s,
            u"K3ABC\tJohn\tQ\tSmith, Jr.\t12 Oak St\t\t\t19063\t610-555-0101\tjs@example.org\t"
            "1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\tgolf\r\n"_s},
        // Only CR LF pairs are joined; a lone CR or LF goes out as it is stored.
        SingleMemberCase{
            "LoneCrAndLfKept",
            changed(fullMember(),
                    {{Field::Address, u"1 A\rSt\n2\r\nB"_s}, {Field::Other, u"x\n\ry\r\n"_s}}),
            u"ARS K3ABC \r\nJohn Q Smith, Jr.\r\n1 A\rSt\n2\r\nB\r\nMedia PA 19063\r\n\r\n"_s,
            u"K3ABC\tJohn\tQ\tSmith, Jr.\t1 A\rSt\n2, B\tMedia\tPA\t19063\t610-555-0101\t"
            "js@example.org\t1/5/1999\t12/31/2026\tGeneral\t7/4/2030\tY\tN\ty\t2/29/1960\t"
            "x\n\ry \r\n"_s},
        SingleMemberCase{"AllEmpty", MemberRecord{}, u"\r\n\r\n  \r\n\r\n"_s,
                         u"\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"_s}),
    [](const ::testing::TestParamInfo<SingleMemberCase> &info) { return info.param.name; });

// ---- Several listed members -----------------------------------------------------------------

MemberStore threeMembers()
{
    return storeOf({member({{Field::Call, u"W1XYZ"_s},
                            {Field::FirstName, u"Ann"_s},
                            {Field::LastName, u"Adams"_s},
                            {Field::Address, u"1 Elm"_s},
                            {Field::City, u"Ayr"_s},
                            {Field::State, u"PA"_s},
                            {Field::Zip, u"1"_s}}),
                    member({{Field::FirstName, u"Bob"_s},
                            {Field::MiddleInitial, u"K"_s},
                            {Field::LastName, u"Baker"_s},
                            {Field::Address, u"2 Ash\r\nRear"_s},
                            {Field::City, u"Bly"_s},
                            {Field::State, u"NJ"_s},
                            {Field::Zip, u"2"_s}}),
                    member({{Field::Call, u"KB3QRS"_s},
                            {Field::FirstName, u"Cy"_s},
                            {Field::LastName, u"Cole"_s},
                            {Field::Address, u"3 Oak"_s},
                            {Field::City, u"Cly"_s},
                            {Field::State, u"DE"_s},
                            {Field::Zip, u"3"_s}})});
}

TEST(AddressFileText, WritesListedMembersInListOrderNotStoreOrder)
{
    EXPECT_EQ(addressFileText(threeMembers(), {3, 1, 2}),
              u"ARS KB3QRS \r\nCy Cole\r\n3 Oak\r\nCly DE 3\r\n\r\n"
              "ARS W1XYZ \r\nAnn Adams\r\n1 Elm\r\nAyr PA 1\r\n\r\n"
              "Bob K Baker\r\n2 Ash\r\nRear\r\nBly NJ 2\r\n\r\n"_s);
    EXPECT_EQ(addressFileText(threeMembers(), {3, 1}),
              u"ARS KB3QRS \r\nCy Cole\r\n3 Oak\r\nCly DE 3\r\n\r\n"
              "ARS W1XYZ \r\nAnn Adams\r\n1 Elm\r\nAyr PA 1\r\n\r\n"_s);
}

TEST(ListExportTable, OneLinePerListedMemberInListOrder)
{
    EXPECT_EQ(listExportTable(threeMembers(), {3, 1, 2}),
              u"KB3QRS\tCy\t\tCole\t3 Oak\tCly\tDE\t3\t\t\t\t\t\t\t\t\t\t\t\r\n"
              "W1XYZ\tAnn\t\tAdams\t1 Elm\tAyr\tPA\t1\t\t\t\t\t\t\t\t\t\t\t\r\n"
              "\tBob\tK\tBaker\t2 Ash, Rear\tBly\tNJ\t2\t\t\t\t\t\t\t\t\t\t\t\r\n"_s);
}

TEST(ListExports, EmptyListingGivesEmptyTexts)
{
    EXPECT_EQ(addressFileText(threeMembers(), {}), QString());
    EXPECT_EQ(listExportTable(threeMembers(), {}), QString());
    EXPECT_EQ(addressFileText(MemberStore{}, {}), QString());
}

// A listing left behind by a store that has since shrunk must not reach past its end.
TEST(ListExports, SkipsRecordNumbersOutsideTheStore)
{
    const MemberStore store = threeMembers();
    EXPECT_EQ(addressFileText(store, {0, 4, 3, -1}), addressFileText(store, {3}));
    EXPECT_EQ(listExportTable(store, {4, 2, 0}), listExportTable(store, {2}));
}

// ---- joinLineBreaks ---------------------------------------------------------------------------

struct JoinCase {
    QString text;
    QString replacement;
    QString expected;
};

void PrintTo(const JoinCase &c, std::ostream *os)
{
    *os << c.text.toStdString();
}

class JoinLineBreaksTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinLineBreaksTest, ReplacesOnlyCrLfPairs)
{
    const JoinCase &c = GetParam();
    EXPECT_EQ(joinLineBreaks(c.text, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, JoinLineBreaksTest,
                         ::testing::Values(JoinCase{u""_s, u", "_s, u""_s},
                                           JoinCase{u"a\r\nb"_s, u", "_s, u"a, b"_s},
                                           JoinCase{u"\r\n\r\n"_s, u", "_s, u", , "_s},
                                           JoinCase{u"\r\r\n\n"_s, u" "_s, u"\r \n"_s},
                                           JoinCase{u"a\n\rb"_s, u" "_s, u"a\n\rb"_s},
                                           JoinCase{u"end\r"_s, u" "_s, u"end\r"_s},
                                           JoinCase{u"x\r\ny\r\nz"_s, u""_s, u"xyz"_s}));

// ---- writeAddressFile -------------------------------------------------------------------------

TEST(WriteAddressFile, WritesWindows1252Bytes)
{
    const testing::TempRoll roll;
    const MemberStore store = storeOf({member({{Field::FirstName, u"Ren\u00e9e"_s},
                                               {Field::LastName, u"L\u00e9ger"_s},
                                               {Field::Address, u"Dues \u20ac20"_s},
                                               {Field::City, u"Ayr"_s}})});

    const ExportResult result = writeAddressFile(roll.dir(), addressFileText(store, {1}));

    ASSERT_TRUE(result.ok) << result.error.toStdString();
    // Octal escapes: \351 is 0xE9 (e acute), \200 is 0x80 (the euro sign).
    EXPECT_EQ(roll.read(kAddressFileName),
              QByteArray("Ren\351e L\351ger\r\nDues \20020\r\nAyr  \r\n\r\n"));
}

TEST(WriteAddressFile, ReplacesAnOlderFileWhole)
{
    const testing::TempRoll roll;
    roll.write(kAddressFileName, QByteArray(500, 'x'));

    ASSERT_TRUE(writeAddressFile(roll.dir(), u"Cole\r\n"_s).ok);
    EXPECT_EQ(roll.read(kAddressFileName), QByteArray("Cole\r\n"));

    ASSERT_TRUE(writeAddressFile(roll.dir(), QString()).ok);
    EXPECT_TRUE(roll.exists(kAddressFileName));
    EXPECT_EQ(roll.read(kAddressFileName), QByteArray());
}

TEST(WriteAddressFile, MissingFolderFailsWithAReasonAndWritesNothing)
{
    const testing::TempRoll roll;
    const QString missing = roll.path(u"gone"_s);

    const ExportResult result = writeAddressFile(missing, u"Cole\r\n"_s);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(WriteAddressFile, FolderInThePlaceOfTheFileFailsAndIsLeftAlone)
{
    const testing::TempRoll roll;
    ASSERT_TRUE(QDir(roll.dir()).mkdir(kAddressFileName));

    const ExportResult result = writeAddressFile(roll.dir(), u"Cole\r\n"_s);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(QFileInfo(roll.path(kAddressFileName)).isDir());
    EXPECT_EQ(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{kAddressFileName});
}

TEST(WriteAddressFile, FileInThePlaceOfTheFolderFails)
{
    const testing::TempRoll roll;
    roll.write(u"notafolder"_s, QByteArray("keep"));

    const ExportResult result = writeAddressFile(roll.path(u"notafolder"_s), u"Cole\r\n"_s);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(roll.read(u"notafolder"_s), QByteArray("keep"));
}

TEST(AddressFileFailureMessage, NamesTheFileAndTheReason)
{
    const QString path = QDir(u"/roll"_s).filePath(kAddressFileName);
    const QString text = addressFileFailureMessage(path, u"Disk full"_s);
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(text.contains(u"Disk full"_s));
    EXPECT_FALSE(addressFileFailureTitle().isEmpty());
}

} // namespace
} // namespace tessaly
