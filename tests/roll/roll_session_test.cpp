#include "roll/roll_session.h"

#include "core/club_data_codec.h"

#include "file_records.h"
#include "member_records.h"
#include "temp_roll.h"
#include "unwritable_folder.h"

#include <QDir>
#include <QSignalSpy>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Change = RollSession::Change;

// One record as the file holds it: Ann, the last name, an address and the flags given.
QByteArray line(const char *last, const char *dues = "N")
{
    return testing::fileRecord({"", "Ann", "", last, "1 Main St", "Media", "PA", "19063", "", "",
                                "", "", "", "", "", "Y", "N", dues, ""});
}

MemberRecord member(const char *last)
{
    return testing::recordOf(u"|Ann||"_s + QLatin1String(last));
}

// Leaves in directory the lock of a Tessaly that died holding it.
void leaveLockOfACrashedTessaly(const QString &directory)
{
    const pid_t crashed = ::fork();
    if (crashed == 0) {
        RollSession dying(directory);
        ::_exit(dying.claimFolder() == RollSession::FolderClaim::Claimed ? 0 : 1);
    }
    int status = -1;
    ::waitpid(crashed, &status, 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::exists(QDir(directory).filePath(RollSession::kLockFileName)));
}

class RollSessionTest : public ::testing::Test {
  protected:
    void open(const QByteArray &bytes)
    {
        files.write(ClubDataFile::kFileName, bytes);
        roll = std::make_unique<RollSession>(files.dir(),
                                             RollSession::SaveContext{[this] { return today; },
                                                                      [this](const QString &path) {
                                                                          asked << path;
                                                                          return answer;
                                                                      }});
        ASSERT_TRUE(roll->load().outcome.ok());
        changes = std::make_unique<QSignalSpy>(roll.get(), &RollSession::changed);
    }
    QByteArray file() const { return files.read(ClubDataFile::kFileName); }
    QStringList lastNames() const
    {
        QStringList names;
        for (int n = 1; n <= roll->count(); ++n)
            names << roll->member(n)[Field::LastName];
        return names;
    }
    Change lastChange() const { return changes->last().at(0).value<Change>(); }

    testing::TempRoll files;
    std::unique_ptr<RollSession> roll;
    std::unique_ptr<QSignalSpy> changes;
    QDate today;         // the day each save is made on; none: no daily backup
    QStringList asked;   // the files the operator was asked to overwrite
    bool answer = false; // the answer to that question
};

TEST_F(RollSessionTest, AddsUpToTheLimitAndRefusesBeyondItWithoutTouchingTheFile)
{
    open(line("Adams").repeated(RollSession::kAddLimit - 1));
    EXPECT_TRUE(roll->add(member("Baker")).ok());
    EXPECT_EQ(roll->count(), 9998);
    const QByteArray full = file();
    EXPECT_EQ(full.size(), (RollSession::kAddLimit - 1) * line("Adams").size() +
                               serializeRecord(member("Baker")).size());

    const Outcome refused = roll->add(member("Carter"));
    EXPECT_EQ(refused.status, Outcome::Status::Refused);
    EXPECT_EQ(roll->count(), 9998);
    EXPECT_EQ(file(), full);
    EXPECT_EQ(changes->count(), 1); // only the add that happened
}

TEST_F(RollSessionTest, TheSelectedMemberIsFollowedThroughUpdatesAndRemovals)
{
    open(line("Adams") + line("Baker") + line("Carter"));
    roll->select(1);
    MemberRecord renamed = roll->member(1);
    renamed[Field::LastName] = u"Zimmer"_s;
    ASSERT_TRUE(roll->update(1, renamed).ok());
    EXPECT_EQ(lastNames(), (QStringList{u"Baker"_s, u"Carter"_s, u"Zimmer"_s}));
    EXPECT_EQ(roll->selectedRecord(), 3);
    EXPECT_EQ(file(), line("Baker") + line("Carter") + line("Zimmer"));
    EXPECT_EQ(lastChange(), Change::Members);

    // An add that sorts before the selected member moves it on by one.
    ASSERT_TRUE(roll->add(member("Able")).ok());
    EXPECT_EQ(roll->selectedRecord(), 4);
    // Removing another member ahead of it moves it back; removing it clears the selection.
    ASSERT_TRUE(roll->remove(1).ok());
    EXPECT_EQ(roll->selectedRecord(), 3);
    ASSERT_TRUE(roll->remove(3).ok());
    EXPECT_EQ(roll->selectedRecord(), 0);
    EXPECT_EQ(file(), line("Baker") + line("Carter"));
    EXPECT_EQ(changes->count(), 4);

    // Members that are not there are refused, and nothing is announced.
    for (const int absent : {0, 3, -1}) {
        EXPECT_EQ(roll->update(absent, renamed).status, Outcome::Status::Refused) << absent;
        EXPECT_EQ(roll->remove(absent).status, Outcome::Status::Refused) << absent;
        roll->select(absent);
        EXPECT_EQ(roll->selectedRecord(), 0);
    }
    EXPECT_EQ(changes->count(), 4);
}

TEST_F(RollSessionTest, AFailedSaveKeepsTheChangeInMemoryAndTheFileAsItWas)
{
    const QByteArray two = line("Adams") + line("Carter");
    open(two);
    Outcome failed;
    testing::withFileSizeCap(two.size(), [&] { failed = roll->add(member("Baker")); });
    EXPECT_EQ(failed.status, Outcome::Status::Failed);
    EXPECT_EQ(failed.file, files.path(ClubDataFile::kFileName));
    EXPECT_EQ(failed.reason, u"File too large"_s);
    EXPECT_EQ(file(), two);
    // The roll holds the new member, and the windows were told.
    EXPECT_EQ(lastNames(), (QStringList{u"Adams"_s, u"Baker"_s, u"Carter"_s}));
    EXPECT_EQ(changes->count(), 1);

    ASSERT_TRUE(roll->resetDues().ok());
    EXPECT_EQ(file(), line("Adams") + serializeRecord(roll->member(2)) + line("Carter"));
    EXPECT_EQ(roll->member(2)[Field::LastName], u"Baker"_s);
}

TEST_F(RollSessionTest, ResettingDuesChangesOnlyTheDuesFieldAndKeepsEveryNumber)
{
    open(line("Adams", "Y") + line("Baker", "y") + line("Carter", "N") + line("Dunn", "maybe"));
    roll->select(2);
    ASSERT_TRUE(roll->resetDues().ok());
    EXPECT_EQ(file(), line("Adams") + line("Baker") + line("Carter") + line("Dunn"));
    EXPECT_EQ(roll->selectedRecord(), 2);
    ASSERT_EQ(changes->count(), 1);
    EXPECT_EQ(lastChange(), Change::DuesReset);
}

TEST_F(RollSessionTest, WritesAddressTxtFromTheGivenMembersInThatOrder)
{
    open(line("Adams") + line("Baker"));
    ASSERT_TRUE(roll->writeAddresses({2, 1}).ok());
    EXPECT_EQ(files.read(u"Address.txt"_s),
              QByteArray("Ann Baker\r\n1 Main St\r\nMedia PA 19063\r\n\r\n"
                         "Ann Adams\r\n1 Main St\r\nMedia PA 19063\r\n\r\n"));
    EXPECT_EQ(changes->count(), 0);
}

// A second Tessaly on the same folder is refused while the first runs; the lock of one that
// died without letting go is taken over.
using Claim = RollSession::FolderClaim;

TEST_F(RollSessionTest, OneSessionHoldsTheFolderAtATime)
{
    auto first = std::make_unique<RollSession>(files.dir());
    RollSession second(files.dir());
    ASSERT_EQ(first->claimFolder(), Claim::Claimed);
    EXPECT_EQ(second.claimFolder(), Claim::InUse);
    first.reset();
    EXPECT_EQ(second.claimFolder(), Claim::Claimed);
    EXPECT_TRUE(second.writable());

    testing::TempRoll other;
    leaveLockOfACrashedTessaly(other.dir());
    EXPECT_EQ(RollSession(other.dir()).claimFolder(), Claim::Claimed);
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
    if (!closed.closed())
        GTEST_SKIP() << "this system cannot close a folder to this process";

    RollSession roll(files.dir());
    ASSERT_EQ(roll.claimFolder(), Claim::ReadOnly);
    EXPECT_FALSE(roll.writable());
    EXPECT_FALSE(roll.readOnlyReason().isEmpty());
    ASSERT_TRUE(roll.load().outcome.ok());
    const MemberStore before = roll.store();

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
    ASSERT_EQ(refusals.count(), 5);
    EXPECT_EQ(refusals[0][0].toString(), files.dir());
    EXPECT_EQ(refusals[0][1].toString(), roll.readOnlyReason());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(roll.store().count(), 2);
    for (int n = 1; n <= 2; ++n)
        EXPECT_EQ(roll.member(n), before.record(n));
    EXPECT_FALSE(roll.hasUnsavedChanges());
    EXPECT_EQ(file(), original);
}

// A failed save leaves the change only in memory: the session says so, with why, until a
// save succeeds, whether the operator's retry or the next change.
TEST_F(RollSessionTest, AChangeAFailedSaveLeftInMemoryIsKnownUntilASaveSucceeds)
{
    open(line("Adams"));
    EXPECT_FALSE(roll->hasUnsavedChanges());
    EXPECT_TRUE(roll->saveAgain().ok());

    const QByteArray before = file();
    Outcome failed;
    testing::withFileSizeCap(64, [&] { failed = roll->add(member("Baker")); });
    ASSERT_TRUE(failed.failed());
    EXPECT_TRUE(roll->hasUnsavedChanges());
    const Outcome told = roll->lastSaveFailure();
    EXPECT_EQ(std::tuple(told.status, told.file, told.reason),
              std::tuple(Outcome::Status::Failed, failed.file, failed.reason));
    EXPECT_EQ(file(), before);

    testing::withFileSizeCap(64, [&] { EXPECT_TRUE(roll->saveAgain().failed()); });
    EXPECT_TRUE(roll->hasUnsavedChanges());
    ASSERT_TRUE(roll->saveAgain().ok());
    EXPECT_FALSE(roll->hasUnsavedChanges());
    EXPECT_EQ(file(), serializeClubData(roll->store()));

    testing::withFileSizeCap(64, [&] { roll->remove(1); });
    ASSERT_TRUE(roll->hasUnsavedChanges());
    ASSERT_TRUE(roll->add(member("Carter")).ok());
    EXPECT_FALSE(roll->hasUnsavedChanges());
    EXPECT_EQ(lastNames(), (QStringList{u"Baker"_s, u"Carter"_s}));
    EXPECT_EQ(file(), serializeClubData(roll->store()));
}

// Another program rewrote the file: it is overwritten only when the operator says so; until
// then the change stays in memory and the other program's file on disk.
TEST_F(RollSessionTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenConfirmed)
{
    open(line("Adams"));
    files.write(ClubDataFile::kFileName, line("Zeller"));
    const Outcome kept = roll->add(member("Baker"));
    EXPECT_EQ(std::tuple(kept.status, kept.file, kept.reason),
              std::tuple(Outcome::Status::Failed, files.path(ClubDataFile::kFileName),
                         u"another program changed the file after Tessaly read it, and that "
                         "version was kept"_s));
    EXPECT_EQ(file(), line("Zeller"));
    EXPECT_EQ(lastNames(), (QStringList{u"Adams"_s, u"Baker"_s}));

    answer = true;
    ASSERT_TRUE(roll->resetDues().ok());
    EXPECT_EQ(file(), line("Adams") + serializeRecord(roll->member(2)));
    ASSERT_TRUE(roll->remove(2).ok()); // the file is this run's own again: nothing is asked
    EXPECT_EQ(asked, QStringList(2, files.path(ClubDataFile::kFileName)));
}

TEST_F(RollSessionTest, TheDaysBackupIsMadeOnTheSessionsDayAndAFailureIsToldOnce)
{
    open(line("Adams"));
    today = QDate(2026, 12, 6);
    QSignalSpy failures(roll.get(), &RollSession::backupFailed);
    ASSERT_TRUE(roll->add(member("Baker")).ok());
    EXPECT_EQ(files.read(u"backups/AddrClub-2026-12-06.dat"_s), line("Adams"));

    QDir(files.dir()).mkpath(u"backups/AddrClub-2026-12-07.dat"_s); // a folder in its place
    today = QDate(2026, 12, 7);
    ASSERT_TRUE(roll->add(member("Carter")).ok());
    ASSERT_TRUE(roll->add(member("Dunn")).ok());
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures[0][0].toString(), files.path(u"backups/AddrClub-2026-12-07.dat"_s));
    EXPECT_TRUE(failures[0][2].toBool());
    EXPECT_EQ(file(), serializeClubData(roll->store()));
}

// A disk too full for the backup is mostly too full for the roll: the backup's failure must
// not pass for a saved roll.
TEST_F(RollSessionTest, ABackupFailureTellsWhetherTheRollItselfWasSaved)
{
    open(line("Adams") + line("Baker"));
    today = QDate(2026, 12, 6);
    QSignalSpy failures(roll.get(), &RollSession::backupFailed);
    Outcome saved;
    testing::withFileSizeCap(16, [&] { saved = roll->add(member("Carter")); });
    ASSERT_TRUE(saved.failed());
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures[0][0].toString(), files.path(u"backups/AddrClub-2026-12-06.dat"_s));
    EXPECT_FALSE(failures[0][2].toBool());
}

} // namespace
} // namespace tessaly
