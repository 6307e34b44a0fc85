#include "core/text_codec.h"
#include "roll/address_file.h"
#include "roll/address_texts.h"
#include "roll/listed_members.h"
#include "roll/member_search.h"

#include "member_records.h"
#include "temp_roll.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::storeOf;

TEST(MatchesSearch, AgainstOneMember)
{
    const MemberRecord carter = testing::recordOf(
        u"K3ABC|Alice|B|Carter|5 Oak St\r\nApt 7|Bala Mawr|PA|19010|610-555-0199|golf\r\nchurch|"
        "alice@example.org"_s);
    for (const QString &text :
         {u"carter"_s, u"GOLF"_s, u" mawr"_s, u"apt 7"_s, u"ALICE@EXAMPLE.ORG"_s, QString()})
        EXPECT_TRUE(matchesSearch(carter, text)) << text.toStdString();
    // A leading or trailing blank is kept, and a line break is not a blank.
    for (const QString &text : {u" carter"_s, u"Carter "_s, u"golf church"_s, u"AliceB"_s, u"zq"_s,
                                u"alice@example.org and more"_s})
        EXPECT_FALSE(matchesSearch(carter, text)) << text.toStdString();
}

// Each field alone: Call to Email in file order and LicenseClass are searched, dates and flags
// not; and over every pair of characters the roll file holds, case folds as in Qt's own
// comparison.
TEST(MatchesSearch, SearchesTheTwelveTextFieldsFoldingCaseAsQtDoes)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        MemberRecord record;
        record[field] = u"Qz9"_s;
        const bool searched = field <= Field::Email || field == Field::LicenseClass;
        EXPECT_EQ(matchesSearch(record, u"qZ9"_s), searched) << "field " << i;
        EXPECT_EQ(matchesSearch(record, QString()), searched) << "field " << i;
    }
    QString chars, wrong; // wrong: each pair that disagrees, the field's character first
    for (int b = 0x20; b <= 0xFF; ++b)
        chars += decodeWindows1252(QByteArray(1, static_cast<char>(b)));
    for (QChar held : chars) {
        MemberRecord record;
        record[Field::City] = held;
        for (QChar sought : chars)
            if (matchesSearch(record, sought) !=
                QString(held).contains(sought, Qt::CaseInsensitive))
                wrong += QString(held) + sought + u' ';
    }
    EXPECT_EQ(wrong.toStdString(), "");
}

// A member added with every box empty still holds N in a flag and may hold a date: an
// empty search skips it. Only a lone "Y" in either case makes a voting member.
TEST(SearchMembers, SearchAndVotingListInStoreOrder)
{
    const MemberStore store = storeOf({u"|||Adams|||||||||||||Y"_s, u"||||2003 Elm||||||||||||n"_s,
                                       u"||||||||||||||||N||1/2/2003"_s, u"|||||||||golf|||||||y"_s,
                                       u"|||||||||||||||Y||Y"_s, QString(), u"|||||||||||||||| Y"_s,
                                       u"||||||||||||||||YES"_s});
    EXPECT_EQ(searchMembers(store, u"2003"_s), std::vector<int>{2});
    EXPECT_EQ(searchMembers(store, QString()), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(votingMembers(store), (std::vector<int>{1, 4}));
}

TEST(ListedMembers, RowsMapToRecordsInListOrder)
{
    // Call sign, first name, middle initial, last name.
    MemberStore store =
        storeOf({u"K3AA|Ann|Q|Adams"_s, u"W1BB|Bob||Baker"_s, u"|Cy|B|Carter"_s, u"|Di||Dean"_s});
    ListedMembers model(store);
    const auto line = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    model.listAllMembers();
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{1, 2, 3, 4}));
    // "Last, First MI", the blank after the first name there even without a middle
    // initial, then " - Call" only when there is a call sign.
    EXPECT_EQ((QStringList{line(1), line(2), line(3), line(4)}),
              (QStringList{u"Adams, Ann Q - K3AA"_s, u"Baker, Bob  - W1BB"_s, u"Carter, Cy B"_s,
                           u"Dean, Di "_s}));

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
    MemberStore store = storeOf(
        {u"K3AA|Ann||"_s + huge, u"|Bob||"_s + straddling, u"|Cy||"_s + QString(cut - 5, u'w')});
    ListedMembers model(store);
    model.listAllMembers();
    const auto line = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    EXPECT_EQ(line(1), huge.left(cut));
    EXPECT_EQ(line(2), QString(cut - 1, u'y'));
    EXPECT_EQ(line(3), QString(cut - 5, u'w') + u", Cy "_s); // exactly at the limit: whole
}

// Quick Copy block and Address.txt block of one member.
TEST(AddressExports, OneMemberByteForByte)
{
    const std::array<QString, 3> rows[] = {
        {u"K3AB|Jo|Q|Li, Jr|1 Oak|Ayr|PA|19063|555|golf|e@x|12/26|1/99|Gen|7/30|Y|N|y|2/60"_s,
         u"ARS - K3AB\r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063"_s,
         u"ARS K3AB \r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063\r\n\r\n"_s},
        // No call sign: no call line. No middle initial: one blank in the name line.
        {u"|Jo||Li|1 Oak|Ayr|PA|19063"_s, u"Jo Li\r\n1 Oak\r\nAyr PA 19063"_s,
         u"Jo Li\r\n1 Oak\r\nAyr PA 19063\r\n\r\n"_s},
        // Last name only, a two-line address and a three-line Other.
        {u"K3AB|||Li|1 Oak\r\nApt 4|Ayr|PA|19063||golf\r\nchurch\r\nchoir"_s,
         u"ARS - K3AB\r\nLi\r\n1 Oak\r\nApt 4\r\nAyr PA 19063"_s,
         u"ARS K3AB \r\nLi\r\n1 Oak\r\nApt 4\r\nAyr PA 19063\r\n\r\n"_s},
        // Empty city and state; only CR LF pairs are joined, a lone CR or LF goes out as stored.
        {u"K3AB|Jo|Q|Li|1\rA\n2\r\r\nB|||19063||x\n\ry\r\n"_s,
         u"ARS - K3AB\r\nJo Q Li\r\n1\rA\n2\r\r\nB\r\n  19063"_s,
         u"ARS K3AB \r\nJo Q Li\r\n1\rA\n2\r\r\nB\r\n  19063\r\n\r\n"_s},
        {QString(), u"\r\n\r\n  "_s, u"\r\n\r\n  \r\n\r\n"_s}};
    for (const auto &[fields, quickCopy, addressFile] : rows) {
        SCOPED_TRACE(fields.toStdString());
        const MemberStore store = storeOf({fields});
        EXPECT_EQ(quickCopyText(addressBoxesOf(store.record(1))), quickCopy);
        EXPECT_EQ(addressFileText(store, {1}), addressFile);
    }
    // Several members go out in list order, not store order; numbers outside the store (a
    // listing left behind by a store that has since shrunk) are skipped.
    const MemberStore store = storeOf({rows[0][0], rows[1][0], rows[2][0]});
    EXPECT_EQ(addressFileText(store, {3, 0, 1, 4, -1}), rows[2][2] + rows[0][2]);
    EXPECT_EQ(addressFileText(store, {}), QString());
}

// A missing folder, a file where the folder should be, and a folder where the file
// should be: each fails with a reason and leaves everything as it was.
TEST(WriteAddressFile, FailsWithAReasonAndWritesNothing)
{
    const testing::TempRoll roll;
    roll.write(u"file"_s, QByteArray("keep"));
    ASSERT_TRUE(QDir(roll.dir()).mkpath(u"dir/"_s + kAddressFileName));
    for (const QString &name : {u"gone"_s, u"file"_s, u"dir"_s}) {
        const Outcome result = writeAddressFile(roll.path(name), u"Cole\r\n"_s);
        EXPECT_TRUE(result.failed() && !result.reason.isEmpty()) << name.toStdString();
        EXPECT_EQ(result.file, roll.path(name) + u"/Address.txt"_s);
    }
    EXPECT_EQ(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{u"dir"_s, u"file"_s}));
    EXPECT_TRUE(QFileInfo(roll.path(u"dir/"_s + kAddressFileName)).isDir());
    EXPECT_EQ(roll.read(u"file"_s), QByteArray("keep"));
}

} // namespace
} // namespace tessaly
