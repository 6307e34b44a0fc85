#pragma once

#include "core/member_store.h"
#include "core/outcome.h"

#include <QString>

#include <functional>

namespace tessaly {

struct LoadResult {
    Outcome outcome; // Failed: the file could not be read; nothing was loaded
    int loaded = 0;
    int surplus = 0; // records in the file beyond the store's capacity
};

// AddrClub.dat in the start directory. Saving is atomic: the new roll is written
// to a temporary file beside it and only then takes the old file's place, so a
// failed save leaves the old file whole.
class ClubDataFile {
  public:
    static const QString kFileName;       // "AddrClub.dat"
    static const QString kBackupFileName; // "AddrClub.dat.bak"

    explicit ClubDataFile(const QString &directory);

    QString path() const;
    QString backupPath() const;

    // Fills an empty store; onRecord(n) runs after record n is in the store.
    // When the file holds more records than the store can take, the first
    // MemberStore::kCapacity are loaded and the untouched original is copied to
    // AddrClub.dat.bak before the first save replaces it. The same holds for a file
    // that exists but cannot be read: no save replaces it until it has been kept.
    LoadResult load(MemberStore &store, const std::function<void(int)> &onRecord = {});

    Outcome save(const MemberStore &store);

    bool backupPending() const { return backupPending_; }

  private:
    QString directory_;
    bool backupPending_ = false;
};

} // namespace tessaly
