#include "core/club_data_file.h"

#include "core/club_data_codec.h"
#include "core/file_system.h"
#include "core/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tessaly {

const QString ClubDataFile::kFileName = QStringLiteral("AddrClub.dat");
const QString ClubDataFile::kBackupFileName = QStringLiteral("AddrClub.dat.bak");
const QString ClubDataFile::kBackupFolder = QStringLiteral("backups");

namespace {

// The characters of the store that Windows-1252 has no byte for, each once, in the
// order they first appear; one beyond the basic plane is one character, as the writer
// makes one '?' of it.
QStringList unencodableCharacters(const MemberStore &store)
{
    QStringList found;
    for (int n = 1; n <= store.count(); ++n) {
        for (const QString &value : store.record(n).values) {
            for (qsizetype i = 0; i < value.size(); ++i) {
                if (canEncodeWindows1252(value[i]))
                    continue;
                const bool pair = value[i].isHighSurrogate() && i + 1 < value.size() &&
                                  value[i + 1].isLowSurrogate();
                const QString character = value.mid(i, pair ? 2 : 1);
                i += pair ? 1 : 0;
                if (!found.contains(character))
                    found << character;
            }
        }
    }
    return found;
}

} // namespace

FilePermissions rollDataPermissions(const QString &directory)
{
    const FileFacts roll = fileFacts(ClubDataFile(directory).path(), true);
    FilePermissions permissions;
    if (roll.exists && (roll.bits & 0007) == 0)
        permissions.created = roll.bits & 0777;
    return permissions;
}

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

QString ClubDataFile::dailyBackupPath(const QDate &day) const
{
    return QDir(directory_)
        .filePath(kBackupFolder + QStringLiteral("/AddrClub-") + day.toString(u"yyyy-MM-dd") +
                  QStringLiteral(".dat"));
}

LoadResult ClubDataFile::load(MemberStore &store)
{
    LoadResult result;
    stamp_ = DiskStamp::of(path());
    // A roll that exists but cannot be read must not be replaced by whatever the
    // operator enters next: the first save keeps it first, and fails if it cannot.
    QByteArray bytes;
    const Outcome read = readWholeFile(path(), bytes, kLargestFileBytes);
    if (!read.ok()) {
        result.outcome = read;
        backupPending_ = QFileInfo::exists(path());
        return result;
    }

    const ParseSummary summary = loadClubData(bytes, store);
    result.loaded = summary.records;
    result.surplus = summary.surplus;
    result.damaged = summary.irregular;
    result.firstDamagedLine = summary.firstIrregularLine;
    result.utf8 = summary.utf8;
    if (summary.utf8)
        result.unencodable = unencodableCharacters(store);
    // Records beyond the store's room, the true shape of damaged records and the
    // UTF-8 text exist only in the file on disk; keep that file before anything
    // overwrites it.
    backupPending_ = summary.surplus > 0 || summary.irregular > 0 || summary.utf8;
    return result;
}

Outcome ClubDataFile::save(const MemberStore &store, const QDate &today)
{
    const QByteArray bytes = serializeClubData(store);
    const bool dailyDue = today.isValid() && lastBackupDay_ != today;
    if (backupPending_ || dailyDue) {
        const bool exists = QFileInfo::exists(path());
        // A copy is for the roll's own readers: it may not be read by anyone who cannot
        // read the roll.
        FilePermissions copy;
        copy.most = fileFacts(path(), true).bits & 0777;
        QByteArray originalBytes;
        const Outcome read = readWholeFile(path(), originalBytes, kLargestFileBytes);
        if (backupPending_) {
            if (!read.ok())
                return Outcome::failure(
                    path(),
                    QStringLiteral("the original file could not be read to keep it as %1 (%2)")
                        .arg(kBackupFileName, read.reason));
            const Outcome kept = writeWholeFile(backupPath(), originalBytes, copy);
            if (!kept.ok())
                return Outcome::failure(
                    path(), QStringLiteral("the original file could not be kept as %1 (%2)")
                                .arg(backupPath(), kept.reason));
            backupPending_ = false;
        }
        if (dailyDue) {
            if (!exists)
                lastBackupDay_ = today; // a new roll: nothing stood there to keep
            else if (!read.ok())
                recordBackupFailure(Outcome::failure(dailyBackupPath(today), read.reason));
            else if (originalBytes != bytes)
                makeDailyBackup(originalBytes, today, copy);
        }
    }
    const Outcome written = writeWholeFile(path(), bytes);
    if (written.ok())
        stamp_ = DiskStamp::of(path());
    return written;
}

void ClubDataFile::makeDailyBackup(const QByteArray &original, const QDate &today,
                                   FilePermissions permissions)
{
    const QString target = dailyBackupPath(today);
    // An earlier run today made it: it holds the roll as the day found it.
    if (QFileInfo(target).isFile() || original.isEmpty()) {
        lastBackupDay_ = today;
        return;
    }
    // As open to others as the start directory, never more: the sticky bit kept, the
    // set-id bits of no use to a folder of copies.
    const int folderBits = fileFacts(directory_, true).bits & 01777;
    if (!makeFolder(QDir(directory_).filePath(kBackupFolder), folderBits)) {
        recordBackupFailure(Outcome::failure(
            target, QStringLiteral("the folder %1 could not be made")
                        .arg(QDir::toNativeSeparators(QDir(directory_).filePath(kBackupFolder)))));
        return;
    }
    const Outcome kept = writeWholeFile(target, original, permissions);
    if (!kept.ok()) {
        recordBackupFailure(kept);
        return;
    }
    lastBackupDay_ = today;
    pruneDailyBackups();
}

void ClubDataFile::pruneDailyBackups() const
{
    static const QRegularExpression dated(QStringLiteral("^AddrClub-\\d{4}-\\d{2}-\\d{2}\\.dat$"));
    QDir folder(QDir(directory_).filePath(kBackupFolder));
    QStringList names = folder.entryList({QStringLiteral("AddrClub-*.dat")}, QDir::Files);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) { return !dated.match(n).hasMatch(); }),
                names.end());
    // The dates sort as text; the newest come last.
    std::sort(names.begin(), names.end());
    for (qsizetype i = 0; i + kDailyBackupsKept < names.size(); ++i)
        folder.remove(names[i]);
}

void ClubDataFile::recordBackupFailure(const Outcome &failure)
{
    if (!backupFailureReported_ && !backupFailure_)
        backupFailure_ = failure;
}

std::optional<Outcome> ClubDataFile::takeBackupFailure()
{
    std::optional<Outcome> failure;
    failure.swap(backupFailure_);
    if (failure)
        backupFailureReported_ = true;
    return failure;
}

} // namespace tessaly
