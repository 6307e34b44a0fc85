#include "core/club_data_file.h"

#include "core/club_data_codec.h"
#include "core/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tessaly {

const QString ClubDataFile::kFileName = QStringLiteral("AddrClub.dat");
const QString ClubDataFile::kBackupFileName = QStringLiteral("AddrClub.dat.bak");

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
        result.outcome = Outcome::failure(path(), file.errorString());
        backupPending_ = QFileInfo::exists(path());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.outcome = Outcome::failure(path(), file.errorString());
        backupPending_ = true;
        return result;
    }
    file.close();

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

Outcome ClubDataFile::save(const MemberStore &store)
{
    if (backupPending_) {
        QFile original(path());
        const auto unreadable = [&] {
            return Outcome::failure(
                path(), QStringLiteral("the original file could not be read to keep it as %1 (%2)")
                            .arg(kBackupFileName, original.errorString()));
        };
        if (!original.open(QIODevice::ReadOnly))
            return unreadable();
        const QByteArray originalBytes = original.readAll();
        if (original.error() != QFileDevice::NoError)
            return unreadable();
        original.close();
        const Outcome kept = writeWholeFile(backupPath(), originalBytes);
        if (!kept.ok())
            return Outcome::failure(path(),
                                    QStringLiteral("the original file could not be kept as %1 (%2)")
                                        .arg(backupPath(), kept.reason));
        backupPending_ = false;
    }
    return writeWholeFile(path(), serializeClubData(store));
}

} // namespace tessaly
