#include "roll/start_directory.h"

#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "roll/roll_session.h"

#include "file_records.h"
#include "member_records.h"
#include "temp_roll.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <QScopeGuard>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

QByteArray readBytes(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    return file.readAll();
}

void writeBytes(const QByteArray &path, const QByteArray &bytes)
{
    QFile file;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_TRUE(fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Removes folder and what it holds by their bytes, which Qt's own clean-up cannot do for a
// name that is not UTF-8.
void removeByBytes(const QByteArray &folder)
{
    if (DIR *listing = ::opendir(folder.constData())) {
        while (const dirent *entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const QByteArray path = folder + '/' + name;
            if (::unlink(path.constData()) != 0)
                removeByBytes(path);
        }
        ::closedir(listing);
    }
    ::rmdir(folder.constData());
}

// The start directory as the program takes it, started inside `folder`.
QString startedIn(const QByteArray &folder)
{
    const QByteArray here = QFile::encodeName(QDir::currentPath());
    EXPECT_EQ(::chdir(folder.constData()), 0);
    const QString path = startDirectoryPath();
    EXPECT_EQ(::chdir(here.constData()), 0);
    return path;
}

// Folder names are bytes; the ones that are not UTF-8 have no faithful text, and Tessaly
// must still find, lock, read and write its roll there, wherever the current directory
// goes afterwards.
TEST(StartDirectory, AFolderWhoseNameIsNotUtf8HoldsItsRollLikeAnyOther)
{
    const testing::TempRoll parent;
    for (const QByteArray &name : {QByteArray("club \xff roll"),
                                   QByteArray("Vereinsb\xfc"
                                              "cher"),
                                   QByteArray("club roll"),
                                   QByteArray("Vereinsb\xc3\xbc"
                                              "cher")}) {
        SCOPED_TRACE(name.toHex().toStdString());
        const QByteArray folder = QFile::encodeName(parent.dir()) + '/' + name;
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
        const QByteArray original = testing::fileRecord({"", "Ann", "", "Adams"});
        writeBytes(folder + "/AddrClub.dat", original);

        const auto cleanUp = qScopeGuard([&] { removeByBytes(folder); });
        RollSession roll(startedIn(folder));
        ASSERT_EQ(roll.claimFolder(), RollSession::FolderClaim::Claimed);
        EXPECT_EQ(::access((folder + "/.tessaly.lock").constData(), F_OK), 0);
        const LoadResult loaded = roll.load();
        ASSERT_TRUE(loaded.outcome.ok()) << loaded.outcome.reason.toStdString();
        ASSERT_EQ(roll.count(), 1);
        ASSERT_TRUE(roll.add(testing::recordOf(u"|Bea||Baker"_s)).ok());
        EXPECT_EQ(readBytes(folder + "/AddrClub.dat"), serializeClubData(roll.store()));
        ASSERT_TRUE(roll.writeAddresses({1, 2}).ok());
        EXPECT_TRUE(readBytes(folder + "/Address.txt").startsWith("Ann Adams\r\n"));
    }
}

} // namespace
} // namespace tessaly
