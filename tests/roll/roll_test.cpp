#include "roll/roll_session.h"

#include "core/club_data_codec.h"
#include "core/file_system.h"
#include "core/text_codec.h"
#include "roll/address_file.h"
#include "roll/address_texts.h"
#include "roll/listed_members.h"
#include "roll/member_search.h"
#include "roll/roll_messages.h"

#include "file_records.h"
#include "member_records.h"
#include "temp_roll.h"
#include "linux_facilities.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>

#include <fstream>
#include <functional>
#include <iterator>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Change = RollSession::Change;
using Claim = RollSession::FolderClaim;
using testing::recordOf;
using testing::storeOf;

// One record as the file holds it: Ann, the last name, an address and the dues flag given.
QByteArray line(const char *last, const char *dues = "N")
{
    return testing::fileRecord({"", "Ann", "", last, "1 Main St", "Media", "PA", "19063", "", "",
                                "", "", "", "", "", "Y", "N", dues, ""});
}

MemberRecord member(const char *last)
{
    return recordOf(u"|Ann||"_s + QLatin1String(last));
}

// Leaves in directory the lock of a Tessaly that died holding it.
void leaveLockOfACrashedTessaly(const QString &directory)
{
    // The copy ends holding the claim: the session is never destroyed.
    testing::ChildProcess crashed([&] {
        return (new RollSession(directory))->claimFolder() == Claim::Claimed ? 0 : 1;
    });
    ASSERT_EQ(crashed.wait(), 0);
    ASSERT_TRUE(QFile::exists(QDir(directory).filePath(RollSession::kLockFileName)));
}

class RollSessionTest : public ::testing::Test {
  protected:
    void open(const QByteArray &bytes)
    {
        files.write(ClubDataFile::kFileName, bytes);
        roll = std::make_unique<RollSession>(files.dir());
        ASSERT_TRUE(roll->load().outcome.ok());
        changes = std::make_unique<QSignalSpy>(roll.get(), &RollSession::changed);
    }
    QByteArray file() const { return files.read(ClubDataFile::kFileName); }
    // The members the last change told of: all, or their numbers.
    std::pair<bool, std::vector<int>> announced() const
    {
        const auto members = changes->last().at(1).value<RollSession::ChangedMembers>();
        return {members.all, members.records};
    }

    testing::TempRoll files;
    std::unique_ptr<RollSession> roll;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_F(RollSessionTest, TheSelectedMemberIsFollowedThroughUpdatesAndRemovals)
{
    open(line("Adams") + line("Baker") + line("Carter"));
    roll->select(1);
    { // The folder closes for a while: the change stays in memory until a save succeeds.
        const testing::UnwritableFolder closed(files.dir());
        ASSERT_TRUE(closed.closed() && roll->update(1, member("Zimmer")).failed());
    }
    EXPECT_EQ(std::pair(file(), roll->hasUnsavedChanges()),
              std::pair(line("Adams") + line("Baker") + line("Carter"), true));
    EXPECT_EQ(
        std::tuple(roll->selectedRecord(), changes->last().at(0).value<Change>(), announced()),
        std::tuple(3, Change::Members, std::pair(false, std::vector<int>{3})));
    // An add that sorts before the selected member moves it on by one.
    ASSERT_TRUE(roll->add(member("Able")).ok());
    EXPECT_EQ(std::pair(roll->selectedRecord(), announced()),
              std::pair(4, std::pair(false, std::vector<int>{1})));
    EXPECT_EQ(std::pair(file(), roll->hasUnsavedChanges()),
              std::pair(serializeRecord(member("Able")) + line("Baker") + line("Carter") +
                            serializeRecord(member("Zimmer")),
                        false));
    // Removing another member ahead of it moves it back; removing it clears the selection.
    ASSERT_TRUE(roll->remove(1).ok());
    EXPECT_EQ(std::pair(roll->selectedRecord(), announced()),
              std::pair(3, std::pair(false, std::vector<int>{})));
    ASSERT_TRUE(roll->remove(3).ok());
    EXPECT_EQ(roll->selectedRecord(), 0);
    EXPECT_EQ(file(), line("Baker") + line("Carter"));
    // Members that are not there are refused, and nothing is announced.
    for (const int absent : {0, 3, -1}) {
        EXPECT_EQ(roll->update(absent, member("X")).status, Outcome::Status::Refused) << absent;
        EXPECT_EQ(roll->remove(absent).status, Outcome::Status::Refused) << absent;
        roll->select(absent);
        EXPECT_EQ(roll->selectedRecord(), 0);
    }
    EXPECT_EQ(changes->count(), 4);
    // A member stored as it was is no change; the others are told by their new numbers.
    ASSERT_TRUE(roll->updateMembers({{1, roll->member(1)}, {2, member("Aaron")}}).ok());
    EXPECT_EQ(announced(), std::pair(false, std::vector<int>{1}));
    ASSERT_TRUE(roll->addMembers({member("Zed"), member("Abe")}).ok());
    EXPECT_EQ(announced(), std::pair(false, std::vector<int>{2, 4}));
}

TEST_F(RollSessionTest, ResettingDuesChangesOnlyTheDuesFieldAndKeepsEveryNumber)
{
    open(line("Adams", "Y") + line("Baker", "y") + line("Carter", "N") + line("Dunn", "maybe"));
    roll->select(2);
    ASSERT_TRUE(roll->resetDues().ok());
    EXPECT_EQ(std::pair(file(), roll->selectedRecord()),
              std::pair(line("Adams") + line("Baker") + line("Carter") + line("Dunn"), 2));
    ASSERT_EQ(changes->count(), 1);
    EXPECT_EQ(std::pair(changes->last().at(0).value<Change>(), announced()),
              std::pair(Change::DuesReset, std::pair(true, std::vector<int>{})));
}

// The newest 20 changes are undone, each saved, the edited member followed; the oldest stays.
TEST_F(RollSessionTest, UndoTakesBackTheNewest20ChangesOneByOne)
{
    open(line("Carter") + line("Adams", "Y"));
    roll->select(1);
    ASSERT_TRUE(roll->add(member("Zed")).ok()); // sorts: Adams, Carter, Zed
    const QByteArray oldest = file();
    ASSERT_TRUE(roll->remove(1).ok());
    ASSERT_TRUE(roll->resetDues().ok()); // Zed's empty flag becomes N
    for (int n = 0; n < 18; ++n)
        ASSERT_TRUE(roll->add(member("Baker")).ok());
    for (int n = 0; n < 20; ++n)
        ASSERT_TRUE(roll->undo().ok()) << n;
    EXPECT_EQ(std::tuple(file(), roll->selectedRecord(), roll->undo().status, changes->count()),
              std::tuple(oldest, 2, Outcome::Status::Refused, 21 + 20));
}

// A second Tessaly on the same folder is refused while the first runs; the lock of one that
// died without letting go is taken over.
TEST_F(RollSessionTest, OneSessionHoldsTheFolderAtATime)
{
    auto first = std::make_unique<RollSession>(files.dir());
    RollSession second(files.dir());
    ASSERT_EQ(first->claimFolder(), Claim::Claimed);
    EXPECT_EQ(second.claimFolder(), Claim::InUse);
    first.reset();
    EXPECT_EQ(second.claimFolder(), Claim::Claimed);
    EXPECT_TRUE(second.writable());
}

// The lock a Tessaly that died left behind holds no one back.
TEST(RollSessionLock, ALockACrashedTessalyLeftIsTakenOver)
{
    testing::TempRoll other;
    leaveLockOfACrashedTessaly(other.dir());
    EXPECT_EQ(RollSession(other.dir()).claimFolder(), Claim::Claimed);
}

// A roll folder named in any language, or deeper in the disk than the 260 characters Windows
// once allowed a path, holds its roll like any other: claimed, read, saved with the day's
// backup beside it, the address file written there.
TEST(RollFolder, NamedInAnyLanguageOrDeeperThan260CharactersHoldsItsRollLikeAnyOther)
{
    const testing::TempRoll parent;
    const QString segment = u"Membership-roll-of-the-club-kept-since-1952"_s;
    const QString folders[] = {
        parent.path(u"Vereinsb\u00fccher \u0141\u00f3d\u017a \u03a9"_s), // Ł, ź, Ω: not Windows-1252
        parent.path(QStringList(8, segment).join(u'/')),
    };
    for (const QString &folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile roll(QDir(folder).filePath(ClubDataFile::kFileName));
        ASSERT_TRUE(roll.open(QIODevice::WriteOnly) && roll.write(line("Adams")) > 0);
        roll.close();

        RollSession session(folder, {[] { return QDate(2026, 12, 8); }, {}});
        ASSERT_EQ(session.claimFolder(), Claim::Claimed);
        ASSERT_TRUE(session.load().outcome.ok());
        ASSERT_TRUE(session.add(member("Baker")).ok());
        ASSERT_TRUE(roll.open(QIODevice::ReadOnly));
        EXPECT_EQ(roll.readAll(), line("Adams") + serializeRecord(member("Baker")));
        EXPECT_EQ(QDir(QDir(folder).filePath(u"backups"_s)).entryList(QDir::Files).size(), 1);
        ASSERT_TRUE(writeAddressFile(folder, u"Cole\r\n"_s).ok());
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(kAddressFileName)));
    }
    EXPECT_GT(folders[1].size(), 260);
}

// No copy of Tessaly can save in a folder closed to writing, so none is turned away there,
// not even by the lock a crashed one left: the roll opens to be read, and every change is
// refused, naming the folder and why, before anything in memory moves.
TEST_F(RollSessionTest, AFolderClosedToWritingOpensToBeReadAndRefusesEveryChange)
{
    const QByteArray original = line("Adams") + line("Baker", "Y");
    files.write(ClubDataFile::kFileName, original);
    leaveLockOfACrashedTessaly(files.dir());
    const testing::UnwritableFolder closed(files.dir());
    ASSERT_TRUE(closed.closed());

    RollSession roll(files.dir());
    ASSERT_EQ(roll.claimFolder(), Claim::ReadOnly);
    EXPECT_FALSE(roll.writable() || roll.readOnlyReason().isEmpty());
    ASSERT_TRUE(roll.load().outcome.ok());

    QSignalSpy refusals(&roll, &RollSession::changeRefused);
    QSignalSpy changed(&roll, &RollSession::changed);
    const std::function<Outcome()> changes[] = {
        [&] { return roll.add(member("Carter")); },
        [&] { return roll.update(1, member("Zeller")); },
        [&] { return roll.remove(1); },
        [&] { return roll.resetDues(); },
        [&] { return roll.addMembers({member("Dunn")}); },
    };
    for (const auto &change : changes) {
        const Outcome outcome = change();
        EXPECT_EQ(std::pair(outcome.status, outcome.reason),
                  std::pair(Outcome::Status::Refused, roll.readOnlyReason()));
    }
    EXPECT_EQ(std::tuple(refusals.count(), changed.count(), roll.hasUnsavedChanges()),
              std::tuple(5, 0, false));
    EXPECT_EQ(std::pair(serializeClubData(roll.store()), file()), std::pair(original, original));
}

// A folder every user may write in (without the sticky bit) is told of at start-up, with the
// command that closes it; so is a roll that is a link made by a user who is neither the
// operator nor the folder's owner, and that roll opens to be read: no save writes into the
// file the link leads to.
TEST_F(RollSessionTest, AFolderOthersMayWriteInIsToldAndAnotherUsersLinkOpensToBeRead)
{
    const QString folder = files.dir();
    const QString target = files.path(u"private.dat"_s);
    const auto restore = qScopeGuard([&] {
        testing::setPermissionBits(folder, 0700);
        testing::giveTo(folder, 0);
    });
    constexpr int kNoLink = -1;
    constexpr int kOther = 4242;
    const struct {
        int folderBits, link;
        int folderOwner;
        bool open, foreign;
    } cases[] = {
        {0777, kNoLink, 0, true, false},
        {01777, kNoLink, 0, false, false},
        {0775, kNoLink, 0, false, false},
        // Links of another user can be made only by root; the others are the operator's.
        {01777, 0, kOther, false, false},
        {0755, kOther, kOther, false, false},
        {0755, kOther, 0, false, true},
        {0777, kOther, 0, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::number(c.folderBits, 8).toStdString() + " link " +
                     std::to_string(c.link));
        if (c.link != kNoLink && !testing::runsAsRoot())
            GTEST_SKIP() << "only root can make a link owned by another user";
        files.write(u"private.dat"_s, line("Adams"));
        QFile::remove(files.path(ClubDataFile::kFileName));
        if (c.link == kNoLink) {
            files.write(ClubDataFile::kFileName, line("Adams"));
        } else {
            ASSERT_TRUE(testing::makeLinkOwnedBy(target, files.path(ClubDataFile::kFileName),
                                                 c.link));
        }
        ASSERT_TRUE(testing::giveTo(folder, c.folderOwner));
        ASSERT_TRUE(testing::setPermissionBits(folder, c.folderBits));

        RollSession session(files.dir());
        const Claim claim = session.claimFolder();
        const RollSession::Exposure exposure = session.exposure();
        EXPECT_EQ(std::tuple(exposure.folderOpen, exposure.foreignLink, claim, session.writable()),
                  std::tuple(c.open, c.foreign, c.foreign ? Claim::ReadOnly : Claim::Claimed,
                             !c.foreign));
        const QString told = exposedFolderMessage(files.dir(), exposure);
        EXPECT_EQ(told.isEmpty(), !c.open && !c.foreign);
        EXPECT_EQ(told.contains(u"chmod o-w "_s + files.dir() + u" (or"_s), c.open);
        EXPECT_EQ(told.contains(u"a link to "_s + target + u", made by the user 4242"_s),
                  c.foreign);
        ASSERT_TRUE(session.load().outcome.ok());
        EXPECT_EQ(session.add(member("Baker")).ok(), !c.foreign);
        EXPECT_EQ(files.read(u"private.dat"_s), c.link == kNoLink || c.foreign
                                                    ? line("Adams")
                                                    : serializeClubData(session.store()));
        if (c.folderBits == 0777 && c.link == kNoLink) {
            EXPECT_EQ(told,
                      u"Every user of this computer may make, replace and delete files in the "
                      "folder %1, where the member roll is kept. Any of them could put a file of "
                      "their own, or a link to one of your private files, in place of "
                      "AddrClub.dat, and Tessaly would read it and save the roll over it.\n\nTo "
                      "close the folder to other users, have its owner run chmod o-w %1 (or, if "
                      "others must keep files there, chmod +t %1, so that each may replace only "
                      "their own)."_s.arg(files.dir()));
        }
    }
}

// The bytes of the file at path, which Qt cannot name when the path is not UTF-8.
QByteArray readBytes(const QByteArray &path)
{
    std::ifstream file(path.constData(), std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(file), {}});
}

// Folder names are bytes; the ones that are not UTF-8 have no faithful text, and Tessaly
// must still find, lock, read and write its roll there, wherever the current directory
// goes afterwards.
TEST(StartDirectory, AFolderWhoseNameIsNotUtf8HoldsItsRollLikeAnyOther)
{
    const testing::TempRoll parent;
    const QByteArray here = QFile::encodeName(QDir::currentPath());
    for (const char *name : {"Vereinsb\374cher", "Vereinsb\303\274cher"}) { // Latin-1, UTF-8
        SCOPED_TRACE(QByteArray(name).toHex().toStdString());
        const QByteArray folder = QFile::encodeName(parent.dir()) + '/' + name;
        ASSERT_TRUE(testing::makeFolder(folder));
        const auto cleanUp = qScopeGuard([&] {
            testing::removeFolderAndFiles(folder, {"/AddrClub.dat", "/Address.txt", "/.tessaly.lock"});
        });
        std::ofstream(folder.constData() + std::string("/AddrClub.dat"), std::ios::binary)
            << line("Adams").toStdString();

        ASSERT_TRUE(testing::changeDirectory(folder));
        RollSession roll(startDirectoryPath());
        ASSERT_TRUE(testing::changeDirectory(here));
        ASSERT_EQ(roll.claimFolder(), Claim::Claimed);
        EXPECT_TRUE(std::ifstream((folder + "/.tessaly.lock").constData()).good());
        const LoadResult loaded = roll.load();
        ASSERT_TRUE(loaded.outcome.ok()) << loaded.outcome.reason.toStdString();
        ASSERT_EQ(roll.count(), 1);
        ASSERT_TRUE(roll.add(recordOf(u"|Bea||Baker|2 Elm St|Media|PA|19063"_s)).ok());
        EXPECT_EQ(readBytes(folder + "/AddrClub.dat"), serializeClubData(roll.store()));
        ASSERT_TRUE(roll.writeAddresses({2, 1}).ok()); // in the order given
        EXPECT_TRUE(readBytes(folder + "/Address.txt").startsWith("Bea Baker\r\n2 Elm St\r\n"));
    }
}

// The plural wording is checked whole where the main window shows it, and so is one damaged
// record; one member over the limit reads in the singular.
TEST(RollMessages, OneMemberOverTheLimitIsWordedInTheSingular)
{
    EXPECT_TRUE(surplusMessage(u"/club/AddrClub.dat"_s, 1)
                    .startsWith(QDir::toNativeSeparators(u"/club/AddrClub.dat"_s) +
                                u" holds 1 more member than Tessaly"_s));
}

TEST(MatchesSearch, AgainstOneMember)
{
    const MemberRecord carter = recordOf(
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
// comparison of the letters with their accents taken off (canonical decomposition, marks
// dropped): "rene" finds René.
TEST(MatchesSearch, SearchesTheTwelveTextFieldsFoldingCaseAndAccents)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        MemberRecord record;
        record[field] = u"Qz9"_s;
        const bool searched = field <= Field::Email || field == Field::LicenseClass;
        EXPECT_EQ(matchesSearch(record, u"qZ9"_s), searched) << "field " << i;
        EXPECT_EQ(matchesSearch(record, QString()), searched) << "field " << i;
    }
    const auto bare = [](QChar c) {
        QString letters;
        for (const QChar part : QString(c).normalized(QString::NormalizationForm_D))
            if (part.category() != QChar::Mark_NonSpacing)
                letters += part;
        return letters;
    };
    QString chars, wrong; // wrong: each pair that disagrees, the field's character first
    for (int b = 0x20; b <= 0xFF; ++b)
        chars += decodeWindows1252(QByteArray(1, static_cast<char>(b)));
    for (QChar held : chars) {
        MemberRecord record;
        record[Field::City] = held;
        for (QChar sought : chars)
            if (matchesSearch(record, sought) !=
                bare(held).contains(bare(sought), Qt::CaseInsensitive))
                wrong += QString(held) + sought + u' ';
    }
    EXPECT_EQ(wrong.toStdString(), "");
    const MemberRecord rene = recordOf(u"|Renée Šilhán"_s);
    EXPECT_TRUE(matchesSearch(rene, u"renee silhan"_s) && matchesSearch(rene, u"RÉNÉE"_s));
}

// A member added with every box empty still holds N in a flag and may hold a date: an
// empty search skips it. Only a lone "Y" in either case makes a voting member.
TEST(SearchMembers, SearchAndVotingListInStoreOrder)
{
    const MemberStore store = storeOf({u"|||Adams|||||||||||||Y"_s, u"||||2003 Elm||||||||||||n"_s,
                                       u"||||||||||||||||N||1/2/2003"_s, u"|||||||||golf|||||||y"_s,
                                       u"|||||||||||||||Y||Y"_s, QString(), u"|||||||||||||||| Y"_s,
                                       u"||||||||||||||||YES"_s});
    EXPECT_EQ(std::tuple(searchMembers(store, u"2003"_s), searchMembers(store, QString()),
                         votingMembers(store)),
              std::tuple(std::vector<int>{2}, std::vector<int>{1, 2, 4}, std::vector<int>{1, 4}));
}

TEST(ListedMembers, RowsMapToRecordsInListOrder)
{
    MemberStore store =
        storeOf({u"K3AA|Ann|Q|Adams"_s, u"W1BB|Bob||Baker"_s, u"|Cy|B|Carter"_s, u"|Di||Dean"_s});
    ListedMembers model(store);
    const auto shown = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    model.listAllMembers();
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{1, 2, 3, 4}));
    // "Last, First MI", the blank after the first name there even without a middle
    // initial, then " - Call" only when there is a call sign.
    EXPECT_EQ((QStringList{shown(1), shown(2), shown(3), shown(4)}),
              (QStringList{u"Adams, Ann Q - K3AA"_s, u"Baker, Bob  - W1BB"_s, u"Carter, Cy B"_s,
                           u"Dean, Di "_s}));

    model.listRecords({2, 4, 1}, {});
    EXPECT_EQ(model.rowRecords(), (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(
        std::tuple(model.recordAtRow(3), shown(3), model.recordAtRow(0), model.recordAtRow(4)),
        std::tuple(1, u"Adams, Ann Q - K3AA"_s, 0, 0));
    store.removeMember(4); // before a relisting, a row whose record is gone shows nothing
    EXPECT_EQ(shown(2), QString());

    model.listRecords({}, {});
    // Each listing resets the model once, not row by row.
    EXPECT_EQ(std::pair(model.rowCount(), resets.count()), std::pair(0, qsizetype(3)));
}

// The forms the main window's own tests do not reach: one member, none, the license query.
TEST(ListedMembers, TheSummarySaysWhatTheListHolds)
{
    const Listing voting{Listing::Kind::Voting, {}},
        license{Listing::Kind::LicenseExpiresBefore, QDate(2027, 1, 1)};
    EXPECT_EQ(listingSummary({}, 1, 1) + u'|' + listingSummary(voting, 0, 0) + u'|' +
                  listingSummary(voting, 1, 57) + u'|' + listingSummary(license, 1, 57),
              u"1 member|No members|1 voting member|1 member: license expiration earlier than "
              u"1/1/2027"_s);
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
    const auto shown = [&](int row) { return model.data(model.index(row - 1)).toString(); };
    EXPECT_EQ(shown(1), huge.left(cut));
    EXPECT_EQ(shown(2), QString(cut - 1, u'y'));
    EXPECT_EQ(shown(3), QString(cut - 5, u'w') + u", Cy "_s); // exactly at the limit: whole
}

// Quick Copy block and Address.txt block of one member.
TEST(AddressExports, OneMemberByteForByte)
{
    const std::array<QString, 3> rows[] = {
        {u"K3AB|Jo|Q|Li, Jr|1 Oak|Ayr|PA|19063|555|golf|e@x|12/26|1/99|Gen|7/30|Y|N|y|2/60"_s,
         u"ARS - K3AB\r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063"_s,
         u"ARS K3AB \r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063\r\n\r\n"_s},
        // No call sign: no call line. The name, address and town lines of core/member_lines:
        // a blank after each given part there, CR LF between the address lines, the town as
        // stored.
        {u"|Jo|||1 Oak\r\n||PA|19063"_s, u"Jo \r\n1 Oak\r\n\r\n PA 19063"_s,
         u"Jo \r\n1 Oak\r\n\r\n PA 19063\r\n\r\n"_s},
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
        EXPECT_EQ(result.file, roll.shown(name + u"/Address.txt"_s));
    }
    EXPECT_EQ(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{u"dir"_s, u"file"_s}));
    EXPECT_TRUE(QFileInfo(roll.path(u"dir/"_s + kAddressFileName)).isDir());
    EXPECT_EQ(roll.read(u"file"_s), QByteArray("keep"));
}

// Made from a private roll, the address file is as private as the roll, whatever the umask.
TEST(WriteAddressFile, IsAsPrivateAsTheRoll)
{
    const testing::TempRoll roll;
    const testing::UmaskScope umask(022);
    roll.write(ClubDataFile::kFileName, line("Cole"));
    ASSERT_TRUE(testing::setPermissionBits(roll.path(ClubDataFile::kFileName), 0640));
    ASSERT_TRUE(writeAddressFile(roll.dir(), u"Cole\r\n"_s).ok());
    EXPECT_EQ(QFileInfo(roll.path(kAddressFileName)).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                  QFile::ReadGroup);
}

} // namespace
} // namespace tessaly
