// What only Windows does to the files Tessaly keeps: another program may hold a file open
// without sharing it, and a file may be marked read-only. Either way a save fails with the
// system's reason, the roll on disk stays whole, and the next save once the file is free
// goes through.
#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include "file_records.h"
#include "member_records.h"
#include "temp_roll.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::systemWords;

QByteArray line(const char *last)
{
    return testing::fileRecord({"", "Ann", "", last, "1 Main St", "Media", "PA", "19063", "", "",
                                "", "", "", "", "", "Y", "N", "N", ""});
}

MemberRecord member(const char *last)
{
    return testing::recordOf(u"|Ann||"_s + QLatin1String(last));
}

struct Obstacle {
    const char *shape;
    // Puts the obstacle on the file at path; the function returned takes it away.
    std::function<std::function<void()>(const std::wstring &)> put;
    QStringList reasons;  // the save's reason is one of these
    QString backupReason; // the day's backup fails first, reading the roll, for this reason
};

TEST(WindowsFiles, ASaveMeetingAFileHeldOpenOrReadOnlyFailsWithTheReasonAndKeepsTheRoll)
{
    const QString sharing = systemWords(ERROR_SHARING_VIOLATION);
    const Obstacle obstacles[] = {
        // Windows refuses the swap onto a file held without sharing as a sharing violation or
        // as access denied, by the version; so does the read of the day's backup.
        {"held open by another program, not shared",
         [](const std::wstring &path) -> std::function<void()> {
             const HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
             EXPECT_NE(held, INVALID_HANDLE_VALUE);
             return [held] { ::CloseHandle(held); };
         },
         {sharing, systemWords(ERROR_ACCESS_DENIED)}, sharing},
        {"marked read-only",
         [](const std::wstring &path) -> std::function<void()> {
             EXPECT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
             return [path] { ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); };
         },
         {u"AddrClub.dat is marked read-only"_s}, {}},
    };
    for (const Obstacle &obstacle : obstacles) {
        SCOPED_TRACE(obstacle.shape);
        testing::TempRoll files;
        const QByteArray original = line("Adams");
        files.write(ClubDataFile::kFileName, original);
        RollSession session(files.dir(), {[] { return QDate(2026, 12, 8); }, {}});
        ASSERT_EQ(session.claimFolder(), RollSession::FolderClaim::Claimed);
        ASSERT_TRUE(session.load().outcome.ok());
        QStringList backupReasons;
        QObject::connect(&session, &RollSession::backupFailed,
                         [&](const QString &, const QString &reason, bool) { backupReasons << reason; });

        const std::wstring path =
            QDir::toNativeSeparators(files.path(ClubDataFile::kFileName)).toStdWString();
        const std::function<void()> takeAway = obstacle.put(path);
        const Outcome saved = session.add(member("Baker"));
        EXPECT_EQ(std::pair(saved.failed(), saved.file),
                  std::pair(true, files.shown(ClubDataFile::kFileName)));
        EXPECT_TRUE(obstacle.reasons.contains(saved.reason)) << saved.reason.toStdString();
        EXPECT_EQ(backupReasons.join(u'|'), obstacle.backupReason);
        EXPECT_TRUE(saveFailureMessage(saved.file, saved.reason)
                        .startsWith(u"The member roll could not be saved to "_s +
                                    files.shown(ClubDataFile::kFileName) +
                                    u" because of this problem: "_s + saved.reason + u'.'));
        takeAway();
        EXPECT_EQ(files.read(ClubDataFile::kFileName), original);
        // The roll and the lock beside it, and no temporary.
        EXPECT_EQ(QDir(files.dir()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{RollSession::kLockFileName, ClubDataFile::kFileName}));

        // Free again, the file takes the next save, and the day's backup is of the roll
        // as it was.
        ASSERT_TRUE(session.add(member("Cole")).ok());
        EXPECT_EQ(std::pair(files.read(ClubDataFile::kFileName), session.store().count()),
                  std::pair(serializeClubData(session.store()), 3));
        EXPECT_EQ(files.read(u"backups/AddrClub-2026-12-08.dat"_s), original);
    }
}

} // namespace
} // namespace tessaly
