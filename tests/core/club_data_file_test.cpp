#include "core/club_data_file.h"

#include "core/club_data_codec.h"
#include "core/file_system.h"

#include "file_records.h"
#include "member_records.h"
#include "linux_facilities.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <thread>

namespace tessaly {
namespace {

using namespace Qt::StringLiterals;
using testing::fileRecord;
using testing::SpecialFile;
static const QString &kRoll = ClubDataFile::kFileName;
static const QString &kBackup = ClubDataFile::kBackupFileName;

const QByteArray kAdams = fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St"});

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What the load tells of the file; and the untouched original of a file a save could lose
// something of is kept as the backup by the first save (and only by it), which fails rather
// than go on without it.
TEST(ClubDataFile, TheOriginalOfADamagedUtf8OrTooLargeFileIsKeptBeforeTheFirstSave)
{
    const QByteArray full = serializeClubData(testing::fullRoll());
    const QByteArray utf8 =
        fileRecord({"K1A", "Ren\xc3\xa9", "\xc5\x81ukasz \xe6\x9d\xb1 \xc5\x81 \xf0\x9f\x93\xbb"});
    const struct {
        QByteArray bytes;
        int loaded, surplus, damaged, firstLine;
        bool utf8;
        QStringList unencodable;
    } cases[] = {
        {kAdams + "\r\n" + kAdams, 2, 0, 0, 0, false, {}},
        {kAdams + kAdams.left(kAdams.lastIndexOf(",\"")) + "\r\n" + kAdams, 3, 0, 1, 2, false, {}},
        {full + kAdams, MemberStore::kCapacity, 1, 0, 0, false, {}},
        {utf8, 1, 0, 0, 0, true, {u"\u0141"_s, u"\u6771"_s, u"\U0001F4FB"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.loaded);
        testing::TempRoll roll;
        roll.write(kRoll, c.bytes);
        ClubDataFile file(roll.dir());
        MemberStore store;
        const LoadResult r = file.load(store);
        EXPECT_EQ(std::tuple(r.loaded, r.surplus, r.damaged, r.firstDamagedLine, r.utf8,
                             r.unencodable, store.count()),
                  std::tuple(c.loaded, c.surplus, c.damaged, c.firstLine, c.utf8, c.unencodable,
                             c.loaded));
        const bool kept = c.surplus || c.damaged || c.utf8;
        EXPECT_EQ(file.backupPending(), kept);

        // A backup that cannot be made blocks the save and says why. (Loading wrote none.)
        ASSERT_TRUE(QDir(roll.dir()).mkdir(kBackup));
        roll.write(kBackup + u"/inside"_s, "x");
        const Outcome s = file.save(store);
        EXPECT_EQ(std::pair(s.ok(), s.reason.contains(kBackup)), std::pair(!kept, kept));
        EXPECT_TRUE(!kept || roll.read(kRoll) == c.bytes);
        // The backup replaces an older one, from the untouched original; later saves keep it.
        ASSERT_TRUE(QDir(roll.path(kBackup)).removeRecursively());
        roll.write(kBackup, "an older backup");
        for (int save = 1; save <= 2; ++save) {
            store.setField(1, Field::Other, u"save %1"_s.arg(save));
            ASSERT_TRUE(file.save(store).ok());
            EXPECT_EQ(roll.read(kBackup), kept ? c.bytes : "an older backup");
            EXPECT_EQ(roll.read(kRoll), serializeClubData(store));
        }
    }
}

// A missing or empty roll may be written; one that is there but cannot be read is never
// replaced by a save: a directory in its place, or a file that opens but fails when read (the
// memory of a process, which even root cannot read from its start).
TEST(ClubDataFile, OnlyARollThatWasReadOrIsMissingMayBeReplaced)
{
    // A save into a folder that has gone names the folder.
    EXPECT_EQ(ClubDataFile(u"/no/such/folder"_s).save({}).reason,
              u"the folder /no/such/folder does not exist"_s);
    enum Start { Missing, Empty, Directory, Unreadable };
    for (const Start start : {Missing, Empty, Directory, Unreadable}) {
        SCOPED_TRACE(start);
        testing::TempRoll roll;
        const QString path = roll.path(kRoll);
        if (start == Empty) { // and reached through a link, which the save keeps
            roll.write(u"linked.dat"_s, "");
            ASSERT_TRUE(QFile::link(roll.path(u"linked.dat"_s), path));
        }
        ASSERT_TRUE(start != Directory || QDir(roll.dir()).mkdir(kRoll));
        ASSERT_TRUE(start != Unreadable || QFile::link(u"/proc/self/mem"_s, path));
        ClubDataFile file(roll.dir());
        MemberStore store;
        const LoadResult loaded = file.load(store);
        const bool mayReplace = start == Missing || start == Empty;
        EXPECT_EQ(std::tuple(loaded.outcome.ok(), loaded.outcome.file, file.backupPending(),
                             loaded.outcome.reason.isEmpty()),
                  std::tuple(start == Empty, start == Empty ? QString() : path, !mayReplace,
                             start == Empty));

        store.append(MemberRecord{});
        const Outcome saved = file.save(store, QDate(2026, 12, 6));
        EXPECT_EQ(std::tuple(saved.ok(), saved.reason.isEmpty(), saved.file),
                  std::tuple(mayReplace, mayReplace, mayReplace ? QString() : path));
        EXPECT_EQ(roll.read(kRoll), mayReplace ? serializeClubData(store) : QByteArray());
        EXPECT_EQ(QFileInfo(path).isDir(), start == Directory);
        EXPECT_EQ(QFileInfo(path).symLinkTarget(), start == Unreadable ? u"/proc/self/mem"_s
                                                   : start == Empty    ? roll.path(u"linked.dat"_s)
                                                                       : QString());
        // Nothing stood there to keep: no backup, and no word of one not made.
        EXPECT_FALSE(roll.exists(kBackup) || roll.exists(u"backups"_s) || file.takeBackupFailure());
    }
}

// A save also keeps the file's permissions: a roll its owner keeps private stays private.
TEST(ClubDataFile, NoticesWhenAnotherProgramChangesTheFile)
{
    testing::TempRoll roll;
    roll.write(kRoll, kAdams);
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    EXPECT_FALSE(file.changedOnDisk());
    roll.write(kRoll, kAdams); // the same bytes, written anew
    ASSERT_TRUE(testing::setPermissionBits(roll.path(kRoll), 0600));
    EXPECT_TRUE(file.changedOnDisk());
    ASSERT_TRUE(file.save(store).ok());
    EXPECT_FALSE(file.changedOnDisk());
    EXPECT_EQ(QFileInfo(roll.path(kRoll)).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QFile::remove(roll.path(kRoll));
    EXPECT_TRUE(file.changedOnDisk());
}

// Loaded values are views into the file's text, which the store keeps while it lives: a record
// copied out keeps its text through a clear, a second load and the assignment of another roll,
// a value changed in place changes only itself, and a load after a clear gives the roll whole.
TEST(ClubDataFile, LoadedValuesKeepTheirTextWhateverTheStoreGoesThrough)
{
    testing::TempRoll roll;
    const QByteArray bytes = kAdams + fileRecord({"W1B", "Bob"});
    roll.write(kRoll, bytes);
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    const MemberRecord adams = store.record(1);
    store.record(2)[Field::FirstName] += u"by"_s;
    const QString bobby = store.field(2, Field::FirstName);
    EXPECT_EQ(serializeClubData(store), kAdams + fileRecord({"W1B", "Bobby"}));
    store.clear();
    EXPECT_EQ(file.load(store).loaded, 2);
    EXPECT_EQ(serializeClubData(store), bytes);
    store = testing::storeOf({u"N1C|Cy"_s});
    file.load(store);
    EXPECT_EQ(serializeClubData(store), fileRecord({"N1C", "Cy"}) + bytes);
    EXPECT_EQ(serializeRecord(adams), kAdams); // read by our own code, which ASan watches
    EXPECT_EQ(bobby, u"Bobby"_s);
}

// Under the usual umask 022 a copy of the roll is open to no one the roll is closed to: the
// day's backup and the .bak have no bit the roll lacks, the backups folder has the start
// directory's bits, and a file made from a private roll's data (no bits for others), in any
// folder, has the roll's bits.
TEST(ClubDataFile, ACopyOfTheRollIsNoMoreOpenThanTheRoll)
{
    const testing::UmaskScope umask(022);
    const auto bits = testing::permissionBits;
    const struct {
        int folder, roll, backups, daily, bak, exported;
    } cases[] = {
        {0700, 0600, 0700, 0600, 0600, 0600}, {0750, 0640, 0750, 0640, 0640, 0640},
        {0770, 0660, 0770, 0640, 0660, 0660}, {0755, 0644, 0755, 0644, 0644, 0644},
        {0755, 0604, 0755, 0604, 0604, 0644}, {01777, 0600, 01777, 0600, 0600, 0600},
    };
    const QDate day(2026, 12, 6);
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::number(c.roll, 8).toStdString());
        testing::TempRoll roll;
        roll.write(kRoll, kAdams + kAdams.left(kAdams.lastIndexOf(",\"")) + "\r\n");
        roll.write(kBackup, "an older backup, open to all");
        for (const auto &[path, mode] :
             {std::pair(roll.path(kRoll), c.roll), std::pair(roll.path(kBackup), 0666),
              std::pair(roll.dir(), c.folder)})
            ASSERT_TRUE(testing::setPermissionBits(path, mode));
        ClubDataFile file(roll.dir());
        MemberStore store;
        file.load(store);
        store.setField(1, Field::Other, u"changed"_s);
        ASSERT_TRUE(file.save(store, day).ok());
        testing::TempRoll elsewhere;
        ASSERT_TRUE(writeWholeFile(elsewhere.path(u"Members.csv"_s), "Call\r\n",
                                   rollDataPermissions(roll.dir()))
                        .ok());
        EXPECT_EQ(std::tuple(bits(roll.path(u"backups"_s)), bits(file.dailyBackupPath(day)),
                             bits(roll.path(kBackup)), bits(elsewhere.path(u"Members.csv"_s)),
                             bits(roll.path(kRoll))),
                  std::tuple(c.backups, c.daily, c.bak, c.exported, c.roll));
    }
}

// One backup a day, of the file as the day's first changing save found it; the newest 30 kept,
// and one an earlier run made today left as it is. A folder for them that cannot be made is
// named (that it is told once and the save goes ahead shows in the main window).
TEST(ClubDataFile, KeepsTheRollAsEachDayFoundItForThirtyDays)
{
    testing::TempRoll roll;
    roll.write(kRoll, kAdams);
    ClubDataFile file(roll.dir());
    MemberStore store;
    file.load(store);
    const QDate first(2026, 11, 20);
    const auto backup = [&](int day) {
        return roll.read(file.dailyBackupPath(first.addDays(day)));
    };

    ASSERT_TRUE(file.save(store, first).ok()); // the same bytes: nothing changes, none made
    EXPECT_FALSE(roll.exists(u"backups"_s));
    // A copy the operator keeps there under a name of his own is never pruned.
    ASSERT_TRUE(QDir(roll.dir()).mkpath(u"backups"_s));
    roll.write(u"backups/AddrClub-mine.dat"_s, "kept");
    QByteArray before = roll.read(kRoll);
    for (int day = 0; day < 32; ++day) {
        for (int save = 0; save < 2; ++save) {
            store.setField(1, Field::Other, u"day %1 save %2"_s.arg(day).arg(save));
            ASSERT_TRUE(file.save(store, first.addDays(day)).ok());
            EXPECT_FALSE(file.takeBackupFailure());
        }
        EXPECT_EQ(backup(day), before) << day;
        before = roll.read(kRoll);
    }
    const QStringList names = filesIn(roll.path(u"backups"_s));
    EXPECT_EQ(std::tuple(names.size(), names.front(), names.back()),
              std::tuple(31, u"AddrClub-2026-11-22.dat"_s, u"AddrClub-mine.dat"_s));

    const QByteArray dayFound = backup(31);
    ClubDataFile later(roll.dir());
    MemberStore again;
    later.load(again);
    again.setField(1, Field::Other, u"a later run"_s);
    ASSERT_TRUE(later.save(again, first.addDays(31)).ok());
    EXPECT_EQ(backup(31), dayFound);

    ASSERT_TRUE(QDir(roll.path(u"backups"_s)).removeRecursively());
    roll.write(u"backups"_s, "a file where the folder should be");
    again.setField(1, Field::Other, u"a day later"_s);
    ASSERT_TRUE(later.save(again, first.addDays(32)).ok());
    const std::optional<Outcome> failure = later.takeBackupFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(std::pair(failure->file, failure->reason),
              std::pair(roll.path(u"backups/AddrClub-2026-12-22.dat"_s),
                        u"the folder %1 could not be made"_s.arg(roll.shown(u"backups"_s))));
}

// A process saving a full roll over and over is killed at random moments. Each time the
// file is whole: the original or exactly one of the rolls saved; the next start-up leaves no
// temporary file behind, and only those: files merely named alike stay.
TEST(SaveUnderKill, TheRollIsAlwaysOneOfTheRollsSavedAndNoTemporarySurvives)
{
    testing::TempRoll roll;
    MemberStore store = testing::fullRoll();
    const QByteArray original = serializeClubData(store);
    roll.write(kRoll, original);
    const QByteArray rest = original.mid(serializeRecord(store.record(1)).size());
    const auto mark = [&](int n) { store.setField(1, Field::Other, u"save %1"_s.arg(n)); };
    const QStringList kept = {kRoll, u"AddrClub.dat.backup"_s, u"AddrClub.dat.tessaly-abc.tmp"_s,
                              u"notes.tessaly-ABC123.txt"_s};
    for (const QString &name : kept.mid(1) + QStringList{u"Address.txt.tessaly-000000.tmp"_s})
        roll.write(name, "x");

    // The kills fall within the first four saves, however long a save takes in this build and
    // on this machine (a fixed delay can end every child before it writes a byte), but never
    // later than 0.2 s, so that one slow timing cannot run the case into its time limit.
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(ClubDataFile(roll.dir()).save(store).ok());
    const qint64 saveMicroseconds = timer.nsecsElapsed() / 1000;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint64> delayMicroseconds(
        0, std::min<qint64>(4 * saveMicroseconds, 200000));
    constexpr int kKills = 120;
    int whole = 0, saved = 0, leftovers = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        testing::ChildProcess child([&] {
            ClubDataFile file(roll.dir());
            for (int n = 1;; ++n) {
                mark(n);
                file.save(store);
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        child.kill();

        // Only member 1 differs between the rolls saved, so the rest is the original's.
        const QByteArray bytes = roll.read(kRoll);
        QString savedAs;
        parseClubData(bytes, 1, [&](MemberRecord &&r) { savedAs = r[Field::Other]; });
        QByteArray expected = original;
        if (!savedAs.isEmpty()) {
            mark(savedAs.mid(5).toInt());
            expected = serializeRecord(store.record(1)) + rest;
            ++saved;
        }
        whole += bytes == expected;
        EXPECT_EQ(bytes.size(), expected.size()) << "kill " << kill << ", seed " << seed;
        leftovers += removeLeftoverTemporaries(roll.dir());
        EXPECT_EQ(filesIn(roll.dir()), kept);
    }
    EXPECT_EQ(whole, kKills) << "seed " << seed;
    EXPECT_GT(saved, 0) << "no kill came after a save";
    std::cout << "[ kills    ] " << kKills << " kills, " << whole << " files whole (" << saved
              << " a saved roll), " << leftovers << " temporaries removed\n";
}

// An export to a folder of the operator's choosing has no start-up that clears up after it:
// the next write into that folder removes what a killed write left there, and only that. A
// temporary still being written (its writer holds its lock) stays, as does a file merely named
// alike; so two writes into one folder at once, as two copies of Tessaly exporting there,
// never take each other's temporary for a leftover.
TEST(WriteWholeFile, RemovesWhatKilledWritesLeftInItsFolderAndNothingElse)
{
    testing::TempRoll elsewhere;
    const QString live = u"Members.csv.tessaly-Live00.tmp"_s;
    for (const QString &name :
         {u"Members.csv.tessaly-AbC123.tmp"_s, u"Labels.pdf.tessaly-000000.tmp"_s,
          u"notes.tessaly-ABC123.txt"_s, live})
        elsewhere.write(name, "half written");
    QFile writing(elsewhere.path(live));
    ASSERT_TRUE(writing.open(QIODevice::ReadOnly));
    ASSERT_TRUE(testing::lockAsAWriterDoes(writing.handle()));
    ASSERT_TRUE(writeWholeFile(elsewhere.path(u"Members.csv"_s), "Call\r\n").ok());
    EXPECT_EQ(filesIn(elsewhere.dir()),
              (QStringList{u"Members.csv"_s, live, u"notes.tessaly-ABC123.txt"_s}));

    const auto write = [&](const char *name) {
        return writeWholeFile(elsewhere.path(QLatin1String(name)), QByteArray(4096, 'x')).ok();
    };
    testing::ChildProcess other([&] {
        int failed = 0;
        for (int n = 0; n < 200; ++n)
            failed += write("Address.txt") ? 0 : 1;
        return failed == 0 ? 0 : 1;
    });
    int failed = 0;
    std::optional<int> status;
    while (!(status = other.ended()))
        failed += write("Members.csv") ? 0 : 1;
    EXPECT_EQ(std::pair(failed, *status), std::pair(0, 0));
}

// Only a regular file is read, and only up to the limit; everything else is turned down at
// once, unread, with the file's name and the reason, and costs no memory to speak of. A roll
// so refused is never replaced: the next save fails and leaves the FIFO, the link or the too
// large file where it was, with no backup or temporary beside it. No other write replaces a
// device, a FIFO or a folder either, whether it stands there or a link leads to it.
TEST(ReadWholeFile, ReadsOnlyARegularFileWithinItsLimitAndNeverReplacesAnother)
{
    const long peakBefore = testing::peakMemoryKb();
    for (const testing::SpecialCase &c : testing::specialCases()) {
        SCOPED_TRACE(c.shape);
        testing::TempRoll roll;
        const SpecialFile special(c.kind, roll.path(kRoll), ClubDataFile::kLargestFileBytes);
        const testing::HangGuard guard(20);
        const QString reason = u"AddrClub.dat "_s + special.reason(u"64 MB"_s);
        QByteArray bytes = "left from before";
        ReadRefusal refusal = ReadRefusal::None;
        const Outcome read =
            readWholeFile(roll.path(kRoll), bytes, ClubDataFile::kLargestFileBytes, &refusal);
        EXPECT_EQ(std::tuple(read.failed(), read.file, read.reason, bytes),
                  std::tuple(true, roll.path(kRoll), reason, QByteArray()));
        EXPECT_EQ(refusal, reason.endsWith(u"64 MB"_s) ? ReadRefusal::TooLarge
                                                       : ReadRefusal::NotRegularFile);

        // The roll itself, what it links to, and everything beside it.
        const auto state = [&] {
            const auto node = testing::nodeState(roll.path(kRoll));
            EXPECT_NE(node[0], 0);
            return std::pair(node, QDir(roll.dir()).entryList(QDir::AllEntries | QDir::System |
                                                              QDir::NoDotAndDotDot));
        };
        const auto before = state();
        ClubDataFile file(roll.dir());
        MemberStore store;
        EXPECT_EQ(std::pair(file.load(store).outcome.reason, store.count()), std::pair(reason, 0));
        store.append(MemberRecord{});
        const Outcome saved = file.save(store, QDate(2026, 12, 6));
        EXPECT_TRUE(saved.failed() && saved.reason.endsWith(u'(' + reason + u')'))
            << saved.reason.toStdString();
        EXPECT_EQ(state(), before);

        if (!special.safeToWriteThrough())
            continue;
        const QString refused = special.writeRefusal(kRoll);
        const Outcome written = writeWholeFile(roll.path(kRoll), "written");
        EXPECT_EQ(std::pair(written.file, written.reason),
                  std::pair(refused.isEmpty() ? QString() : roll.path(kRoll), refused));
        EXPECT_TRUE(refused.isEmpty() || state() == before);
    }
    // Not a byte of the gigabyte or of /dev/zero was held.
    EXPECT_LT(testing::peakMemoryKb() - peakBefore, 32 * 1024);
}

// A file that says it is empty yet holds more, as those under /proc do, is only read up to
// the limit: the same stop that catches a file growing while it is read.
TEST(ReadWholeFile, StopsAFileThatHoldsMoreThanItsSizeSaidAtTheLimit)
{
    const QString status = u"/proc/self/status"_s;
    ASSERT_EQ(QFileInfo(status).size(), 0);
    QByteArray bytes;
    ReadRefusal refusal = ReadRefusal::None;
    const Outcome read = readWholeFile(status, bytes, 64, &refusal);
    EXPECT_EQ(std::tuple(read.reason, refusal, bytes),
              std::tuple(u"status is larger than 64 bytes"_s, ReadRefusal::TooLarge, QByteArray()));
    // Read whole under a larger limit, the refusal of the last read is cleared.
    const Outcome whole = readWholeFile(status, bytes, 64 * 1024, &refusal);
    EXPECT_EQ(std::tuple(whole.ok(), refusal, bytes.left(5)),
              std::tuple(true, ReadRefusal::None, "Name:"));
    // At the very limit: the process's command line, as long on every read, fits a limit of
    // its own length and is refused under one byte less.
    const QString cmdline = u"/proc/self/cmdline"_s;
    ASSERT_TRUE(readWholeFile(cmdline, bytes, 64 * 1024).ok());
    const qint64 length = bytes.size();
    EXPECT_EQ(std::pair(readWholeFile(cmdline, bytes, length).ok(), bytes.size()),
              std::pair(true, qsizetype(length)));
    EXPECT_EQ(std::tuple(readWholeFile(cmdline, bytes, length - 1, &refusal).ok(), refusal),
              std::tuple(false, ReadRefusal::TooLarge));
}

} // namespace
} // namespace tessaly
