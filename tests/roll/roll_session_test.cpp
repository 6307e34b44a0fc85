#include "roll/roll_session.h"

#include "core/club_data_codec.h"

#include "temp_roll.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Change = RollSession::Change;

// One record as the file holds it: call, first, middle, last, then empty fields, flags given.
QByteArray line(const char *last, const char *dues = "N")
{
    return QByteArray("\"\",\"Ann\",\"\",\"") + last +
           "\",\"1 Main St\",\"Media\",\"PA\",\"19063\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"Y\","
           "\"N\",\"" +
           dues + "\",\"\"\r\n";
}

MemberRecord member(const char *last)
{
    MemberRecord record;
    record[Field::FirstName] = u"Ann"_s;
    record[Field::LastName] = QString::fromLatin1(last);
    return record;
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
    EXPECT_FALSE(failed.reason.isEmpty());
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

} // namespace
} // namespace tessaly
