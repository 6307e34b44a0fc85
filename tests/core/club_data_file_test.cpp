#include "core/club_data_file.h"

#include "core/club_data_codec.h"

#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessaly {

using namespace Qt::StringLiterals;
static const QString &kRoll = ClubDataFile::kFileName;
static const QString &kBackup = ClubDataFile::kBackupFileName;
constexpr int kCapacity = MemberStore::kCapacity;

// Member i as the program writes it; every seventh has a two-line address.
static QByteArray memberLine(int i)
{
    const QByteArray n = QByteArray::number(i), address = i % 7 ? " Main St" : " Elm\r\nApt 4";
    return "\"K" + n + "ABC\",\"Ann\",\"Q\",\"Lastname" + n + "\",\"" + n + address +
           R"(","Springfield","MA","01103","413-555-0100","golf, church","","12/31/2026",)"
           "\"3/15/1998\",\"General\",\"6/1/2031\",\"Y\",\"N\",\"N\",\"7/4/1960\"\r\n";
}

// A missing or empty roll may be written; one that is there but cannot be read is never
// replaced by a save: a directory in its place, or a file that opens but fails when read (the
// memory of a process, which even root cannot read from its start).
TEST(ClubDataFile, OnlyARollThatWasReadOrIsMissingMayBeReplaced)
{
    EXPECT_TRUE(ClubDataFile(u"/no/such/folder"_s).save({}).failed());
    enum Start { Missing, Empty, Directory, Unreadable };
    for (const Start start : {Missing, Empty, Directory, Unreadable}) {
        SCOPED_TRACE(start);
        testing::TempRoll roll;
        const QString path = roll.path(kRoll);
        if (start == Empty)
            roll.write(kRoll, "");
        if (start == Directory) {
            ASSERT_TRUE(QDir(roll.dir()).mkdir(kRoll));
        }
        if (start == Unreadable) {
            ASSERT_TRUE(QFile::link(u"/proc/self/mem"_s, path));
        }
        ClubDataFile file(roll.dir());
        MemberStore store;
        const LoadResult loaded = file.load(store);
        const bool mayReplace = start == Missing || start == Empty;
        EXPECT_EQ(std::tuple(loaded.outcome.ok(), loaded.outcome.file, file.backupPending()),
                  std::tuple(start == Empty, start == Empty ? QString() : path, !mayReplace));
        EXPECT_EQ(loaded.outcome.reason.isEmpty(), start == Empty);

        store.append(MemberRecord{});
        const Outcome saved = file.save(store);
        EXPECT_EQ(std::pair(saved.ok(), saved.reason.isEmpty()), std::pair(mayReplace, mayReplace));
        if (mayReplace) {
            EXPECT_EQ(roll.read(kRoll), serializeClubData(store));
        } else {
            EXPECT_EQ(saved.file, path);
        }
        EXPECT_EQ(QFileInfo(path).isDir(), start == Directory);
        EXPECT_EQ(QFileInfo(path).symLinkTarget(),
                  start == Unreadable ? u"/proc/self/mem"_s : QString());
        EXPECT_FALSE(roll.exists(kBackup));
    }
}

// A roll of 10,000 loads whole and saves as it was. A record more is counted, not loaded, and
// the whole original is kept as the backup before the first save replaces it.
TEST(ClubDataFile, TenThousandLoadAndTheOriginalOfALargerRollIsKept)
{
    for (const int surplus : {0, 1}) {
        SCOPED_TRACE(surplus);
        testing::TempRoll roll;
        QByteArray original;
        for (int i = 1; i <= kCapacity + surplus; ++i)
            original += memberLine(i);
        roll.write(kRoll, original);
        ClubDataFile file(roll.dir());
        MemberStore store;
        const LoadResult result = file.load(store);
        EXPECT_EQ(std::tuple(result.loaded, result.surplus, store.count()),
                  std::tuple(kCapacity, surplus, kCapacity));
        EXPECT_EQ(serializeRecord(store.record(kCapacity)), memberLine(kCapacity));

        // A backup that cannot be made blocks the save and says why. (Loading wrote none.)
        ASSERT_TRUE(QDir(roll.dir()).mkdir(kBackup));
        roll.write(kBackup + u"/inside"_s, "x");
        const Outcome s = file.save(store);
        EXPECT_EQ(std::pair(s.ok(), s.reason.contains(kBackup)), std::pair(!surplus, !!surplus));
        EXPECT_EQ(roll.read(kRoll), original);

        // The backup replaces an older one, from the untouched original; later saves keep it.
        ASSERT_TRUE(QDir(roll.path(kBackup)).removeRecursively());
        roll.write(kBackup, "an older backup");
        for (int save = 1; save <= 2; ++save) {
            store.removeMember(1);
            ASSERT_TRUE(file.save(store).ok());
            EXPECT_EQ(roll.read(kBackup), surplus ? original : "an older backup");
            EXPECT_EQ(roll.read(kRoll), serializeClubData(store));
        }
    }
}

} // namespace tessaly
