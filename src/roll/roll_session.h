#pragma once

#include "core/club_data_file.h"
#include "core/member_store.h"
#include "core/outcome.h"

#include <QDate>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QLockFile;

namespace tessaly {

// The club's roll while the program runs: the members in memory, the file that
// mirrors them, and the member the operator is editing. Every change goes through
// here, is saved at once, and is announced with changed(), so that no window has
// to know which other windows show the roll.
class RollSession : public QObject {
    Q_OBJECT

  public:
    // Members are added only while fewer than this many are on the roll.
    static constexpr int kAddLimit = 9998;
    static inline const QString kLockFileName = QStringLiteral(".tessaly.lock");

    enum class Change {
        Members,   // members were added, removed or changed, and the roll re-sorted
        DuesReset, // every DuesPaid became "N"; every member kept its number
    };

    explicit RollSession(const QString &startDirectory, QObject *parent = nullptr);
    ~RollSession() override;

    // Takes the start directory's lock, so that no second Tessaly works on the same
    // roll (the last save would silently undo the other's changes). False while
    // another running Tessaly holds it; a lock left by one that crashed is taken over.
    bool claimFolder();

    const MemberStore &store() const { return store_; }
    int count() const { return store_.count(); }
    const MemberRecord &member(int record) const { return store_.record(record); }
    bool holds(int record) const { return record >= 1 && record <= store_.count(); }

    QString startDirectory() const { return startDirectory_; }
    QString dataFilePath() const { return dataFile_.path(); }

    // Reads AddrClub.dat into the empty roll, once, at start-up, after claimFolder;
    // onRecord(n) runs as soon as record n is in. Temporary files that a killed
    // save left behind are removed first.
    LoadResult load(const std::function<void(int)> &onRecord = {});

    // Asked before a save when another program has changed AddrClub.dat since this
    // run read or wrote it; without an answer of true nothing is saved.
    void setConfirmOverwrite(std::function<bool(const QString &path)> confirm)
    {
        confirmOverwrite_ = std::move(confirm);
    }
    // The day each save's backup is for; without it no daily backup is made.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    // The member being edited, 0 when none. It stays the same member through every
    // re-sort and removal of others; removing it makes it 0.
    int selectedRecord() const { return selected_; }
    void select(int record) { selected_ = holds(record) ? record : 0; }

    // Each change re-sorts where it must and saves the whole roll. Refused: nothing
    // changed (the add limit, a record that is not there). Failed: the change is
    // kept in memory, and the file on disk still holds the roll as it was.
    Outcome add(const MemberRecord &member);
    Outcome update(int record, const MemberRecord &member);
    Outcome remove(int record);
    Outcome resetDues();
    // Adds all the members in one step: one sort, one save, one changed(). Refused,
    // with none added, when they would bring the roll past kAddLimit; nothing to add
    // is done without a save.
    Outcome addMembers(const std::vector<MemberRecord> &members);

    // Address.txt in the start directory, from the given records in that order.
    Outcome writeAddresses(const std::vector<int> &records) const;

  signals:
    void changed(tessaly::RollSession::Change change);
    // The day's backup could not be made; the save went ahead. Sent once a run.
    void backupFailed(const QString &file, const QString &reason);

  private:
    Outcome sortAndSave();
    Outcome saveAndAnnounce(Change change);

    QString startDirectory_;
    MemberStore store_;
    ClubDataFile dataFile_;
    int selected_ = 0;
    std::unique_ptr<QLockFile> lock_;
    std::function<bool(const QString &)> confirmOverwrite_;
    std::function<QDate()> today_;
};

} // namespace tessaly
