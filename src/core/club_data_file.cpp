#include "core/club_data_file.h"

#include "core/club_data_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tessaly {

const QString ClubDataFile::kFileName = QStringLiteral("AddrClub.dat");
const QString ClubDataFile::kBackupFileName = QStringLiteral("AddrClub.dat.bak");

namespace {

// Writes bytes to path so that the file is either the old one or the whole new one.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, file size limit) shows in the
    // count write() returns: through the buffer it would surface only at commit(),
    // which then swaps in the truncated file and reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

ClubDataFile::ClubDataFile(const QString &directory) : directory_(directory)
{
}

QString ClubDataFile::path() const
{
    return QDir(directory_).filePath(kFileName);
}

QString ClubDataFile::backupPath() const
{
    return QDir(directory_).filePath(kBackupFileName);
}

LoadResult ClubDataFile::load(MemberStore &store, const std::function<void(int)> &onRecord)
{
    LoadResult result;
    QFile file(path());
    // A roll that exists but cannot be read must not be replaced by whatever the
    // operator enters next: the first save keeps it first, and fails if it cannot.
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        backupPending_ = QFileInfo::exists(path());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        backupPending_ = true;
        return result;
    }
    file.close();
    result.opened = true;

    const int room = MemberStore::kCapacity - store.count();
    // Only a size hint: in a file the program wrote every record ends a line.
    const qsizetype lines = bytes.count('\n') + 1;
    store.reserve(store.count() + static_cast<int>(std::min<qsizetype>(lines, room)));
    const ParseSummary summary = parseClubData(bytes, room, [&](MemberRecord &&record) {
        store.append(std::move(record));
        ++result.loaded;
        if (onRecord)
            onRecord(store.count());
    });
    result.surplus = summary.surplus;
    // The records beyond the store's room exist only in the file on disk; keep that
    // file before anything overwrites it.
    backupPending_ = summary.surplus > 0;
    return result;
}

SaveResult ClubDataFile::save(const MemberStore &store)
{
    SaveResult result;
    if (backupPending_) {
        QFile original(path());
        if (!original.open(QIODevice::ReadOnly)) {
            result.error =
                QStringLiteral("the original file could not be read to keep it as %1 (%2)")
                    .arg(kBackupFileName, original.errorString());
            return result;
        }
        const QByteArray originalBytes = original.readAll();
        if (original.error() != QFileDevice::NoError) {
            result.error =
                QStringLiteral("the original file could not be read to keep it as %1 (%2)")
                    .arg(kBackupFileName, original.errorString());
            return result;
        }
        original.close();
        QString error;
        if (!writeWhole(backupPath(), originalBytes, &error)) {
            result.error = QStringLiteral("the original file could not be kept as %1 (%2)")
                               .arg(backupPath(), error);
            return result;
        }
        backupPending_ = false;
    }

    QString error;
    if (!writeWhole(path(), serializeClubData(store), &error)) {
        result.error = error;
        return result;
    }
    result.ok = true;
    return result;
}

QString saveFailureTitle()
{
    return QStringLiteral("Trouble saving data!");
}

QString saveFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The member roll could not be saved to %1 because of this problem: %2."
                          "\n\nYour change is kept in memory while Tessaly runs. The file on disk "
                          "still holds the roll as it was before this change.")
        .arg(path, reason);
}

QString surplusTitle()
{
    return QStringLiteral("Too many members!");
}

QString surplusMessage(const QString &path, int surplus)
{
    const QString more = surplus == 1 ? QStringLiteral("1 more member")
                                      : QStringLiteral("%1 more members").arg(surplus);
    return QStringLiteral("%1 holds %2 than Tessaly can keep (10,000). The first 10,000 members "
                          "were loaded.\n\nThe whole original file will be kept as %3 beside it "
                          "before the roll is first saved.")
        .arg(path, more, ClubDataFile::kBackupFileName);
}

} // namespace tessaly
