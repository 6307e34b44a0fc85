#include "roll/roll_session.h"

#include "core/club_data_codec.h"
#include "roll/roll_messages.h"
#include "roll/start_directory.h"

#include "file_records.h"
#include "member_records.h"
#include "temp_roll.h"
#include "unwritable_folder.h"

#include <QDir>
#include <QScopeGuard>
#include <QSignalSpy>

#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Change = RollSession::Change;
using Claim = RollSession::FolderClaim;

// One record as the file holds it: Ann, the last name, an address and the dues flag given.
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
    if (crashed == 0)
        ::_exit(RollSession(directory).claimFolder() == Claim::Claimed ? 0 : 1);
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
        roll = std::make_unique<RollSession>(files.dir());
        ASSERT_TRUE(roll->load().outcome.ok());
        changes = std::make_unique<QSignalSpy>(roll.get(), &RollSession::changed);
    }
    QByteArray file() const { return files.read(ClubDataFile::kFileName); }

    testing::TempRoll files;
    std::unique_ptr<RollSession> roll;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_F(RollSessionTest, TheSelectedMemberIsFollowedThroughUpdatesAndRemovals)
{
    open(line("Adams") + line("Baker") + line("Carter"));
    roll->select(1);
    ASSERT_TRUE(roll->update(1, member("Zimmer")).ok());
    EXPECT_EQ(file(), line("Baker") + line("Carter") + serializeRecord(member("Zimmer")));
    EXPECT_EQ(roll->selectedRecord(), 3);
    EXPECT_EQ(changes->last().at(0).value<Change>(), Change::Members);
    // An add that sorts before the selected member moves it on by one.
    ASSERT_TRUE(roll->add(member("Able")).ok());
    EXPECT_EQ(roll->selectedRecord(), 4);
    // Removing another member ahead of it moves it back; removing it clears the selection.
    ASSERT_TRUE(roll->remove(1).ok());
    EXPECT_EQ(roll->selectedRecord(), 3);
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
}

TEST_F(RollSessionTest, ResettingDuesChangesOnlyTheDuesFieldAndKeepsEveryNumber)
{
    open(line("Adams", "Y") + line("Baker", "y") + line("Carter", "N") + line("Dunn", "maybe"));
    roll->select(2);
    ASSERT_TRUE(roll->resetDues().ok());
    EXPECT_EQ(file(), line("Adams") + line("Baker") + line("Carter") + line("Dunn"));
    EXPECT_EQ(roll->selectedRecord(), 2);
    ASSERT_EQ(changes->count(), 1);
    EXPECT_EQ(changes->last().at(0).value<Change>(), Change::DuesReset);
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
    EXPECT_EQ(serializeClubData(roll.store()), original);
    EXPECT_EQ(file(), original);
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
    for (const char *name : {"Vereinsb\xfc"
                             "cher",
                             "Vereinsb\xc3\xbc"
                             "cher"}) {
        SCOPED_TRACE(QByteArray(name).toHex().toStdString());
        const QByteArray folder = QFile::encodeName(parent.dir()) + '/' + name;
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
        const auto cleanUp = qScopeGuard([&] {
            for (const char *file : {"/AddrClub.dat", "/Address.txt", "/.tessaly.lock"})
                ::unlink((folder + file).constData());
            ::rmdir(folder.constData());
        });
        std::ofstream(folder.constData() + std::string("/AddrClub.dat"), std::ios::binary)
            << line("Adams").toStdString();

        ASSERT_EQ(::chdir(folder.constData()), 0);
        RollSession roll(startDirectoryPath());
        ASSERT_EQ(::chdir(here.constData()), 0);
        ASSERT_EQ(roll.claimFolder(), Claim::Claimed);
        EXPECT_EQ(::access((folder + "/.tessaly.lock").constData(), F_OK), 0);
        const LoadResult loaded = roll.load();
        ASSERT_TRUE(loaded.outcome.ok()) << loaded.outcome.reason.toStdString();
        ASSERT_EQ(roll.count(), 1);
        ASSERT_TRUE(roll.add(testing::recordOf(u"|Bea||Baker|2 Elm St|Media|PA|19063"_s)).ok());
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
                    .startsWith(u"/club/AddrClub.dat holds 1 more member than Tessaly"_s));
}

} // namespace
} // namespace tessaly
