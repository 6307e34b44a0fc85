#include "core/club_data_file.h"

#include "core/club_data_codec.h"
#include "core/whole_file.h"

#include "file_records.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace tessaly {
namespace {

using namespace Qt::StringLiterals;
using testing::fileRecord;
static const QString &kRoll = ClubDataFile::kFileName;
static const QString &kBackup = ClubDataFile::kBackupFileName;

const QByteArray kAdams = fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St"});
const QByteArray kBaker = fileRecord({"", "Mary", "", "Baker", "5 Elm St\r\nApt 2"});

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What the load tells of the file, and whether the untouched original is kept as the backup
// by the first save (and only by it).
TEST(ClubDataFileSafety, TheOriginalOfADamagedOrUtf8FileIsKeptBeforeTheFirstSave)
{
    const QByteArray eighteen = kAdams.left(kAdams.lastIndexOf(",\"")) + "\r\n";
    const QByteArray twentyFive = kAdams.chopped(2) + QByteArray(",\"x\"").repeated(6) + "\r\n";
    const QByteArray unquoted = "K1A,John,Q,Doe" + QByteArray(",x").repeated(15) + "\r\n";
    struct Case {
        const char *shape;
        QByteArray bytes;
        int loaded, damaged, firstLine;
        bool utf8;
        QStringList unencodable;
    } cases[] = {
        {"clean", kAdams + "\r\n" + kBaker, 2, 0, 0, false, {}},
        {"byte-order mark, ASCII", "\xef\xbb\xbf" + kAdams, 1, 0, 0, false, {}},
        {"Ctrl-Z", kAdams + kBaker + "\x1a", 2, 0, 0, false, {}},
        {"18 values", kAdams + eighteen + kBaker, 3, 1, 2, false, {}},
        {"cut", kAdams + kBaker.left(20), 2, 1, 2, false, {}},
        {"25 values", kAdams + twentyFive + kBaker, 3, 1, 2, false, {}},
        {"a quote never closed",
         kAdams +
             R"("K1A","Jo,"Q")"
             "\r\n" +
             kBaker,
         3,
         1,
         2,
         false,
         {}},
        {"a quote left open at the line end",
         kAdams + kAdams.chopped(3) + "\r\n" + kBaker,
         3,
         1,
         2,
         false,
         {}},
        {"a stray opening quote", unquoted + "K1A,\"John" + unquoted.mid(8), 2, 1, 2, false, {}},
        {"UTF-8",
         fileRecord({"K1A", "Ren\xc3\xa9", "\xc5\x81ukasz \xe6\x9d\xb1 \xc5\x81 \xf0\x9f\x93\xbb"}),
         1,
         0,
         0,
         true,
         {u"\u0141"_s, u"\u6771"_s, u"\U0001F4FB"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shape);
        testing::TempRoll roll;
        roll.write(kRoll, c.bytes);
        ClubDataFile file(roll.dir());
        MemberStore store;
        const LoadResult r = file.load(store);
        EXPECT_EQ(std::tuple(r.loaded, r.damaged, r.firstDamagedLine, r.utf8, r.unencodable),
                  std::tuple(c.loaded, c.damaged, c.firstLine, c.utf8, c.unencodable));
        // The damage stays on its line: the member after it is read whole.
        if (c.bytes.endsWith(kBaker)) {
            const MemberRecord &last = store.record(store.count());
            EXPECT_EQ(QStringList(last.values.begin(), last.values.begin() + 6),
                      (QStringList{{}, u"Mary"_s, {}, u"Baker"_s, u"5 Elm St\r\nApt 2"_s, {}}));
        }
        const bool kept = c.damaged > 0 || c.utf8;
        EXPECT_FALSE(roll.exists(kBackup));
        for (int save = 1; save <= 2; ++save) {
            store.setField(1, Field::Other, u"save %1"_s.arg(save));
            ASSERT_TRUE(file.save(store).ok());
            EXPECT_EQ(roll.exists(kBackup), kept);
            if (kept) {
                EXPECT_EQ(roll.read(kBackup), c.bytes);
            }
        }
    }
    // Read as UTF-8, written back as Windows-1252, '?' for what it cannot hold.
    testing::TempRoll roll;
    roll.write(kRoll, fileRecord({"K1A", "Ren\xc3\xa9 \xc5\x81"}));
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    ASSERT_TRUE(file.save(store).ok());
    EXPECT_EQ(roll.read(kRoll), fileRecord({"K1A", "Ren\xe9 ?"}));
}

TEST(ClubDataFileSafety, NoticesWhenAnotherProgramChangesTheFile)
{
    testing::TempRoll roll;
    roll.write(kRoll, kAdams);
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    EXPECT_FALSE(file.changedOnDisk());
    roll.write(kRoll, kAdams); // the same bytes, written anew
    EXPECT_TRUE(file.changedOnDisk());
    ASSERT_TRUE(file.save(store).ok());
    EXPECT_FALSE(file.changedOnDisk());
    QFile::remove(roll.path(kRoll));
    EXPECT_TRUE(file.changedOnDisk());
}

// One backup a day, of the file as the day's first changing save found it; the newest 30 kept.
TEST(ClubDataFileSafety, KeepsTheRollAsEachDayFoundItForThirtyDays)
{
    testing::TempRoll roll;
    roll.write(kRoll, kAdams);
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    const QDate first(2026, 11, 20);
    const auto backup = [&](int day) { return file.dailyBackupPath(first.addDays(day)); };

    ASSERT_TRUE(file.save(store, first).ok()); // the same bytes: nothing changes, none made
    EXPECT_FALSE(QFile::exists(QDir(roll.dir()).filePath(u"backups"_s)));
    QByteArray before = roll.read(kRoll);
    for (int day = 0; day < 32; ++day) {
        for (int save = 0; save < 2; ++save) {
            store.setField(1, Field::Other, u"day %1 save %2"_s.arg(day).arg(save));
            ASSERT_TRUE(file.save(store, first.addDays(day)).ok());
            EXPECT_FALSE(file.takeBackupFailure());
        }
        QFile kept(backup(day));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << day;
        EXPECT_EQ(kept.readAll(), before) << day;
        before = roll.read(kRoll);
    }
    EXPECT_EQ(backup(0).section(u'/', -2), u"backups/AddrClub-2026-11-20.dat"_s);
    const QStringList names = filesIn(QDir(roll.dir()).filePath(u"backups"_s));
    EXPECT_EQ(names.size(), 30);
    EXPECT_EQ(names.front(), u"AddrClub-2026-11-22.dat"_s);
    EXPECT_EQ(names.back(), u"AddrClub-2026-12-21.dat"_s);

    // A backup made by an earlier run today is left as that run made it.
    const auto read = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray dayFound = read(backup(31));
    ClubDataFile later(roll.dir());
    MemberStore again;
    later.load(again);
    again.setField(1, Field::Other, u"a later run"_s);
    ASSERT_TRUE(later.save(again, first.addDays(31)).ok());
    EXPECT_EQ(read(backup(31)), dayFound);
    EXPECT_NE(dayFound, before);
}

TEST(ClubDataFileSafety, ABackupThatCannotBeMadeIsToldOnceAndTheSaveGoesAhead)
{
    testing::TempRoll roll;
    roll.write(kRoll, kAdams);
    roll.write(u"backups"_s, "a file where the folder should be");
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    for (int save = 1; save <= 3; ++save) {
        store.setField(1, Field::Other, u"save %1"_s.arg(save));
        ASSERT_TRUE(file.save(store, QDate(2026, 12, 6)).ok());
        EXPECT_EQ(roll.read(kRoll), serializeClubData(store));
        const std::optional<Outcome> failure = file.takeBackupFailure();
        EXPECT_EQ(failure.has_value(), save == 1) << save;
        if (failure) {
            EXPECT_EQ(failure->file, roll.path(u"backups/AddrClub-2026-12-06.dat"_s));
            EXPECT_EQ(failure->reason,
                      u"the folder %1 could not be made"_s.arg(roll.path(u"backups"_s)));
        }
    }
}

// A full disk, a file-size limit or a vanished folder: the reason named, the old file whole.
TEST(ClubDataFileSafety, AFailedWriteNamesTheSystemsReasonAndKeepsTheOldFile)
{
    const QByteArray big = kAdams.repeated(200);
    {
        testing::TempRoll roll;
        roll.write(kRoll, kAdams);
        Outcome capped;
        testing::withFileSizeCap(1000, [&] { capped = writeWholeFile(roll.path(kRoll), big); });
        EXPECT_EQ(std::pair(capped.failed(), capped.reason), std::pair(true, u"File too large"_s));
        EXPECT_EQ(roll.read(kRoll), kAdams);
        EXPECT_EQ(filesIn(roll.dir()), QStringList{kRoll});
    }
    {
        testing::TempRoll roll;
        const QString gone = roll.path(u"gone"_s);
        QDir().mkpath(gone);
        QDir(gone).removeRecursively();
        const Outcome vanished = writeWholeFile(gone + u"/AddrClub.dat"_s, big);
        EXPECT_EQ(vanished.reason, u"the folder %1 does not exist"_s.arg(gone));
    }
    testing::TempRoll roll;
    const QString small = roll.path(u"small"_s);
    QDir().mkpath(small);
    if (::mount("tmpfs", small.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small tmpfs could be mounted here (" << std::strerror(errno)
                     << "); the file-size limit above stands in for a full disk";
    const QString path = small + u"/AddrClub.dat"_s;
    ASSERT_TRUE(writeWholeFile(path, kAdams).ok());
    const Outcome full = writeWholeFile(path, big.repeated(10));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), kAdams);
    EXPECT_EQ(filesIn(small), QStringList{u"AddrClub.dat"_s});
    ::umount(small.toLocal8Bit().constData());
    EXPECT_EQ(std::pair(full.failed(), full.reason), std::pair(true, u"No space left on device"_s));
}

TEST(ClubDataFileSafety, OnlyTheTemporariesOfKilledWritesAreRemoved)
{
    testing::TempRoll roll;
    const QStringList kept = {u"AddrClub.dat"_s, u"AddrClub.dat.backup"_s,
                              u"AddrClub.dat.tessaly-abc.tmp"_s, u"notes.tessaly-ABC123.txt"_s};
    const QStringList leftovers = {u"AddrClub.dat.tessaly-Ab3xZ9.tmp"_s,
                                   u"Address.txt.tessaly-000000.tmp"_s};
    for (const QString &name : kept + leftovers)
        roll.write(name, "x");
    EXPECT_EQ(removeLeftoverTemporaries(roll.dir()), 2);
    EXPECT_EQ(filesIn(roll.dir()), (QStringList{kept[0], kept[1], kept[2], kept[3]}));
}

} // namespace
} // namespace tessaly
