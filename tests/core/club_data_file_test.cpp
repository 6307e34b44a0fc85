#include "core/club_data_file.h"

#include "core/club_data_codec.h"

#include "member_fixtures.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessaly {
namespace {

using testing::recordsOf;
using testing::sampleMember;
using testing::storeOf;
using testing::TempRoll;

QByteArray rollBytes(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += serializeRecord(sampleMember(i, i % 7 == 0));
    return bytes;
}

TEST(ClubDataFile, LoadsEveryRecordInFileOrderAndReportsEach)
{
    TempRoll roll;
    const QByteArray bytes = rollBytes(3);
    roll.write(ClubDataFile::kFileName, bytes);

    ClubDataFile file(roll.dir());
    MemberStore store;
    std::vector<int> reported;
    const LoadResult result = file.load(store, [&](int n) {
        // The record is already in the store when its number is reported.
        ASSERT_EQ(store.count(), n);
        reported.push_back(n);
    });

    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.loaded, 3);
    EXPECT_EQ(result.surplus, 0);
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(recordsOf(store),
              (std::vector<MemberRecord>{sampleMember(1), sampleMember(2), sampleMember(3)}));
    EXPECT_FALSE(file.backupPending());
    EXPECT_EQ(file.path(), QDir(roll.dir()).filePath(QStringLiteral("AddrClub.dat")));
}

TEST(ClubDataFile, AnEmptyFileOpensWithNoMembers)
{
    TempRoll roll;
    roll.write(ClubDataFile::kFileName, {});
    MemberStore store;
    const LoadResult result = ClubDataFile(roll.dir()).load(store);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.loaded, 0);
    EXPECT_EQ(store.count(), 0);
}

TEST(ClubDataFile, AFileThatCannotBeOpenedLoadsNothingAndSaysWhy)
{
    TempRoll missing;
    TempRoll directoryInstead;
    QDir(directoryInstead.dir()).mkdir(ClubDataFile::kFileName);

    for (const TempRoll *roll : {&missing, &directoryInstead}) {
        MemberStore store;
        int calls = 0;
        const LoadResult result = ClubDataFile(roll->dir()).load(store, [&](int) { ++calls; });
        EXPECT_FALSE(result.opened);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(store.count(), 0);
        EXPECT_EQ(calls, 0);
    }
}

TEST(ClubDataFile, ARollThatExistsButCannotBeReadIsNeverReplacedByASave)
{
    TempRoll missing;
    ClubDataFile fresh(missing.dir());
    MemberStore none;
    EXPECT_FALSE(fresh.load(none).opened);
    EXPECT_FALSE(fresh.backupPending()) << "a roll that is not there yet needs no keeping";

    TempRoll unreadable;
    const QByteArray original = rollBytes(2);
    unreadable.write(ClubDataFile::kFileName, original);
    QFile::setPermissions(unreadable.path(ClubDataFile::kFileName), QFileDevice::Permissions());
    QFile probe(unreadable.path(ClubDataFile::kFileName));
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not stop this user from reading";

    ClubDataFile file(unreadable.dir());
    MemberStore store;
    EXPECT_FALSE(file.load(store).opened);
    EXPECT_TRUE(file.backupPending());
    store.append(sampleMember(9));
    const SaveResult saved = file.save(store);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.isEmpty());
    QFile::setPermissions(unreadable.path(ClubDataFile::kFileName),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(unreadable.read(ClubDataFile::kFileName), original);
}

TEST(ClubDataFile, ARollThatIsADirectoryBlocksSaving)
{
    TempRoll roll;
    QDir(roll.dir()).mkdir(ClubDataFile::kFileName);
    ClubDataFile file(roll.dir());
    MemberStore store;
    EXPECT_FALSE(file.load(store).opened);
    EXPECT_TRUE(file.backupPending());
    store.append(sampleMember(1));
    EXPECT_FALSE(file.save(store).ok);
    EXPECT_TRUE(QFileInfo(roll.path(ClubDataFile::kFileName)).isDir());
}

TEST(ClubDataFile, SaveWritesTheWholeRollAndLoadReadsItBack)
{
    TempRoll roll;
    roll.write(ClubDataFile::kFileName, rollBytes(5));
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);

    store.removeMember(2);
    store.setField(1, Field::Address, QStringLiteral("1 New Road\r\nFlat 2"));
    const SaveResult saved = file.save(store);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();

    EXPECT_EQ(roll.read(ClubDataFile::kFileName), serializeClubData(store));
    EXPECT_FALSE(roll.exists(ClubDataFile::kBackupFileName));
    MemberStore reread;
    ClubDataFile(roll.dir()).load(reread);
    EXPECT_EQ(recordsOf(reread), recordsOf(store));
}

TEST(ClubDataFile, SaveCreatesTheFileWhenThereWasNone)
{
    TempRoll roll;
    const MemberStore store = storeOf({sampleMember(1)});
    ASSERT_TRUE(ClubDataFile(roll.dir()).save(store).ok);
    EXPECT_EQ(roll.read(ClubDataFile::kFileName), serializeRecord(sampleMember(1)));
}

TEST(ClubDataFile, AFailedSaveSaysWhyAndLeavesTheOldFileWhole)
{
    // These fail even for root, for whom file permissions stop nothing.
    TempRoll roll;
    const QString gone = QDir(roll.dir()).filePath(QStringLiteral("no/such/folder"));
    const SaveResult toMissingFolder = ClubDataFile(gone).save(storeOf({sampleMember(1)}));
    EXPECT_FALSE(toMissingFolder.ok);
    EXPECT_FALSE(toMissingFolder.error.isEmpty());
    EXPECT_FALSE(QDir(gone).exists());

    TempRoll blocked;
    ASSERT_TRUE(QDir(blocked.dir()).mkdir(ClubDataFile::kFileName));
    blocked.write(ClubDataFile::kFileName + QStringLiteral("/inside"), "kept");
    const SaveResult overDirectory = ClubDataFile(blocked.dir()).save(storeOf({sampleMember(1)}));
    EXPECT_FALSE(overDirectory.ok);
    EXPECT_FALSE(overDirectory.error.isEmpty());
    EXPECT_EQ(blocked.read(ClubDataFile::kFileName + QStringLiteral("/inside")), "kept");
    EXPECT_EQ(QDir(blocked.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{ClubDataFile::kFileName});
}

TEST(ClubDataFile, AFullRollOfTenThousandLoadsCompletelyWithNoBackup)
{
    TempRoll roll;
    const QByteArray original = rollBytes(MemberStore::kCapacity);
    roll.write(ClubDataFile::kFileName, original);
    ClubDataFile file(roll.dir());
    MemberStore store;
    const LoadResult result = file.load(store);
    EXPECT_EQ(result.loaded, MemberStore::kCapacity);
    EXPECT_EQ(result.surplus, 0);
    EXPECT_FALSE(file.backupPending());

    ASSERT_TRUE(file.save(store).ok);
    EXPECT_EQ(roll.read(ClubDataFile::kFileName), original);
    EXPECT_FALSE(roll.exists(ClubDataFile::kBackupFileName));
}

class OverfullRoll : public ::testing::Test {
  protected:
    void SetUp() override
    {
        original = rollBytes(MemberStore::kCapacity + 1);
        roll.write(ClubDataFile::kFileName, original);
        result = file.load(store, [this](int) { ++reported; });
    }

    TempRoll roll;
    ClubDataFile file{roll.dir()};
    QByteArray original;
    MemberStore store;
    LoadResult result;
    int reported = 0;
};

TEST_F(OverfullRoll, LoadsTheFirstTenThousandAndCountsTheRest)
{
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.loaded, MemberStore::kCapacity);
    EXPECT_EQ(result.surplus, 1);
    EXPECT_EQ(reported, MemberStore::kCapacity);
    EXPECT_EQ(store.count(), MemberStore::kCapacity);
    EXPECT_EQ(store.record(MemberStore::kCapacity), sampleMember(MemberStore::kCapacity));
    EXPECT_TRUE(file.backupPending());
    // Loading alone writes nothing.
    EXPECT_FALSE(roll.exists(ClubDataFile::kBackupFileName));
}

TEST_F(OverfullRoll, FirstSaveKeepsTheOriginalAsBackupOnce)
{
    roll.write(ClubDataFile::kBackupFileName, "an older backup");
    store.removeMember(1);
    ASSERT_TRUE(file.save(store).ok);

    EXPECT_EQ(roll.read(ClubDataFile::kBackupFileName), original);
    EXPECT_FALSE(file.backupPending());
    const QByteArray saved = roll.read(ClubDataFile::kFileName);
    EXPECT_EQ(saved, serializeClubData(store));
    EXPECT_EQ(parseClubData(saved, MemberStore::kCapacity, {}).records, MemberStore::kCapacity - 1);

    // Later saves leave the backup of the original alone.
    store.removeMember(1);
    ASSERT_TRUE(file.save(store).ok);
    EXPECT_EQ(roll.read(ClubDataFile::kBackupFileName), original);
}

TEST_F(OverfullRoll, WhenTheBackupCannotBeMadeNothingIsWritten)
{
    ASSERT_TRUE(QDir(roll.dir()).mkdir(ClubDataFile::kBackupFileName));
    roll.write(ClubDataFile::kBackupFileName + QStringLiteral("/inside"), "x");
    store.removeMember(1);

    const SaveResult saved = file.save(store);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(ClubDataFile::kBackupFileName));
    EXPECT_EQ(roll.read(ClubDataFile::kFileName), original);
    EXPECT_TRUE(file.backupPending());

    // Once the way is clear the backup comes first, from the untouched original.
    ASSERT_TRUE(QDir(roll.path(ClubDataFile::kBackupFileName)).removeRecursively());
    ASSERT_TRUE(file.save(store).ok);
    EXPECT_EQ(roll.read(ClubDataFile::kBackupFileName), original);
    EXPECT_EQ(roll.read(ClubDataFile::kFileName), serializeClubData(store));
}

TEST(ClubDataFileMessages, NameTheFileTheReasonAndWhatIsKept)
{
    EXPECT_EQ(saveFailureTitle(), QStringLiteral("Trouble saving data!"));
    EXPECT_EQ(surplusTitle(), QStringLiteral("Too many members!"));

    const QString path = QStringLiteral("/home/club/AddrClub.dat");
    const QString failure = saveFailureMessage(path, QStringLiteral("No space left on device"));
    EXPECT_TRUE(failure.contains(path));
    EXPECT_TRUE(failure.contains(QStringLiteral("No space left on device")));
    EXPECT_TRUE(failure.contains(QStringLiteral("kept in memory")));

    EXPECT_TRUE(surplusMessage(path, 1).contains(QStringLiteral("1 more member than")));
    const QString surplus = surplusMessage(path, 25);
    EXPECT_TRUE(surplus.contains(path));
    EXPECT_TRUE(surplus.contains(QStringLiteral("25 more members")));
    EXPECT_TRUE(surplus.contains(QStringLiteral("AddrClub.dat.bak")));
}

} // namespace
} // namespace tessaly
