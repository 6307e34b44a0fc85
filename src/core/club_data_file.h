#pragma once

#include "core/file_system.h"
#include "core/member_store.h"
#include "core/outcome.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly {

struct LoadResult {
    Outcome outcome; // Failed: the file could not be read; nothing was loaded
    int loaded = 0;
    int surplus = 0; // records in the file beyond the store's capacity
    int damaged = 0; // records not shaped as the program writes them
    int firstDamagedLine = 0;
    bool utf8 = false;       // read as UTF-8; it will be written back as Windows-1252
    QStringList unencodable; // of a UTF-8 file: the characters Windows-1252 cannot hold
};

// How a file made from the roll's data in directory (an export, a PDF, Address.txt) is
// created, wherever it goes: with the roll's own permission bits when the roll is private
// (no bits for others), so that nobody reads in the copy what the roll keeps from them;
// otherwise as any new file.
FilePermissions rollDataPermissions(const QString &directory);

// AddrClub.dat in the start directory. Saving is atomic: the new roll is written
// to a temporary file beside it and only then takes the old file's place, so a
// failed save leaves the old file whole.
class ClubDataFile {
  public:
    static const QString kFileName;       // "AddrClub.dat"
    static const QString kBackupFileName; // "AddrClub.dat.bak"
    static const QString kBackupFolder;   // "backups": the copy of each day's first save
    static constexpr int kDailyBackupsKept = 30;
    // Far beyond 10,000 members of any sensible length; a larger file is not read.
    static constexpr qint64 kLargestFileBytes = 64 * 1024 * 1024;

    explicit ClubDataFile(const QString &directory);

    QString path() const;
    QString backupPath() const;

    // backups/AddrClub-YYYY-MM-DD.dat
    QString dailyBackupPath(const QDate &day) const;

    // Fills an empty store. A file
    // that is not a regular file or is larger than kLargestFileBytes is not read: the
    // load fails with the reason, and no save replaces that file (see below).
    // The untouched original is copied to AddrClub.dat.bak before the first save
    // replaces it when that save could lose what it holds: records beyond the
    // store's capacity, damaged records read as well as they could be, text in
    // UTF-8, or a file that exists but cannot be read (no save replaces that one
    // until it has been kept).
    LoadResult load(MemberStore &store);

    // Before the first save on `today` that changes the file, the file as it stood
    // is copied to the day's backup and only the newest kDailyBackupsKept are kept.
    // A copy (the day's backup, AddrClub.dat.bak) never has permission bits the roll
    // lacks, and the backups folder is made with the start directory's own bits.
    // A backup that cannot be made does not stop the save: see takeBackupFailure.
    Outcome save(const MemberStore &store, const QDate &today = {});

    bool backupPending() const { return backupPending_; }

    // True when AddrClub.dat is no longer what this object last read or wrote:
    // another program has changed, replaced or removed it.
    bool changedOnDisk() const { return DiskStamp::of(path()) != stamp_; }

    // The first daily backup that failed, once; later failures are not repeated.
    std::optional<Outcome> takeBackupFailure();

  private:
    void makeDailyBackup(const QByteArray &original, const QDate &today,
                         FilePermissions permissions);
    void pruneDailyBackups() const;
    void recordBackupFailure(const Outcome &failure);

    QString directory_;
    bool backupPending_ = false;
    DiskStamp stamp_;
    QDate lastBackupDay_;
    std::optional<Outcome> backupFailure_;
    bool backupFailureReported_ = false;
};

} // namespace tessaly
