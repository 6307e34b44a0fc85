#pragma once

#include "core/club_data_file.h"
#include "core/member_store.h"
#include "core/outcome.h"

#include <QDate>
#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
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

    // The members a change gave new values (an added member among them), by their numbers
    // after it, or every member. A removed member is in none: it is no longer there.
    struct ChangedMembers {
        bool all = false;
        std::vector<int> records; // ascending
        bool includes(int record) const;
    };

    // What saving asks of the world outside the roll, given once when the session is made.
    struct SaveContext {
        // The day each save's daily backup is for; without it no daily backup is made.
        std::function<QDate()> today;
        // Asked before a save when another program has changed AddrClub.dat since this
        // run read or wrote it; without an answer of true nothing is saved.
        std::function<bool(const QString &path)> confirmOverwrite;
    };

    explicit RollSession(const QString &startDirectory, SaveContext context = {},
                         QObject *parent = nullptr);
    ~RollSession() override;

    enum class FolderClaim {
        Claimed,  // this run may change the roll
        InUse,    // another running Tessaly holds the folder
        ReadOnly, // Tessaly cannot write in the folder: the roll is only to be read
    };

    // Who besides the operator may change the roll behind Tessaly's back, as claimFolder
    // found the folder; start-up tells the operator of it.
    struct Exposure {
        // Other users may make, replace and remove files in the folder (it is writable by
        // all, without the sticky bit that would keep each to their own files).
        bool folderOpen = false;
        // AddrClub.dat is a link made by a user who is neither the operator nor the
        // folder's owner: a save would write into whatever file that user chose.
        bool foreignLink = false;
        QString linkTarget; // where the link leads, as it reads
        QString linkOwner;  // the user who made it
        bool any() const { return folderOpen || foreignLink; }
    };

    // Takes the start directory's lock, so that no second Tessaly works on the same
    // roll (the last save would silently undo the other's changes). A lock left by
    // one that crashed is taken over. A folder Tessaly cannot write in can take no
    // lock, and needs none: no copy could save there, so the roll opens to be read
    // and every change is refused (see writable). So does a roll that is another
    // user's link (see Exposure).
    FolderClaim claimFolder();
    // Lets the folder go for another Tessaly, as destroying the session does: for a program
    // that ends without destroying it.
    void releaseFolder();
    Exposure exposure() const { return exposure_; }

    // False once claimFolder found the folder closed to writing; then every change is
    // refused, with changeRefused, before anything in memory is touched.
    bool writable() const { return readOnlyReason_.isEmpty(); }
    QString readOnlyReason() const { return readOnlyReason_; }
    // For a window that asks the operator something before a change: true when the
    // change may go ahead; false after changeRefused has been sent.
    bool mayChange();

    const MemberStore &store() const { return store_; }
    int count() const { return store_.count(); }
    const MemberRecord &member(int record) const { return store_.record(record); }
    bool holds(int record) const { return record >= 1 && record <= store_.count(); }

    QString startDirectory() const { return startDirectory_; }
    QString dataFilePath() const { return dataFile_.path(); }

    // Reads AddrClub.dat into the empty roll, once, at start-up, after claimFolder.
    // Temporary files that a killed save left behind are removed first.
    LoadResult load();

    // The member being edited, 0 when none. It stays the same member through every
    // re-sort and removal of others; removing it makes it 0.
    int selectedRecord() const { return selected_; }
    void select(int record) { selected_ = holds(record) ? record : 0; }

    // Each change re-sorts where it must and saves the whole roll. Refused: nothing
    // changed (the add limit, a record that is not there, a roll only to be read).
    // Failed: the change is kept in memory, and the file on disk still holds the
    // roll as it was, until a later save succeeds.
    Outcome add(const MemberRecord &member);
    Outcome update(int record, const MemberRecord &member);
    Outcome remove(int record);
    Outcome resetDues();
    // Adds all the members in one step: one sort, one save, one changed(). Refused,
    // with none added, when they would bring the roll past kAddLimit; nothing to add
    // is done without a save.
    Outcome addMembers(const std::vector<MemberRecord> &members);
    // Replaces the given members (record number, new values) in one step: one sort, one
    // save, one changed(). Refused, with none changed, when a record is not there.
    Outcome updateMembers(const std::vector<std::pair<int, MemberRecord>> &members);

    // True while a change is only in memory because the last save failed; quitting
    // then would lose it. lastSaveFailure says why the roll could not be saved.
    bool hasUnsavedChanges() const { return unsaved_.has_value(); }
    Outcome lastSaveFailure() const { return unsaved_.value_or(Outcome::done()); }
    // Tries the failed save once more; Done at once when nothing is waiting.
    Outcome saveAgain();

    // The changes of this run that can be taken back, newest first; nothing of them is kept
    // on disk. A roll only to be read has none, since it takes no change.
    static constexpr int kUndoDepth = 20;
    struct UndoStep {
        enum class Kind { Add, Record, Delete, DuesReset, Import, LicenseUpdate };
        Kind kind = Kind::Add;
        MemberRecord member; // the member added, or recorded or deleted as it was
        int members = 0;     // the members an import (addMembers) added
    };
    // What undo would take back, or nothing. addMembers is the import's change and
    // updateMembers the license update's.
    std::optional<UndoStep> nextUndo() const;
    int undoDepth() const { return static_cast<int>(undos_.size()); }
    // Puts the whole roll back as it was before the newest change and saves it like any
    // change (a failed save keeps the roll undone in memory); the member being edited is
    // followed back, and one the change added is no longer there. Refused when there is
    // nothing to undo.
    Outcome undo();

    // Address.txt in the start directory, from the given records in that order.
    Outcome writeAddresses(const std::vector<int> &records) const;

  signals:
    void changed(tessaly::RollSession::Change change,
                 const tessaly::RollSession::ChangedMembers &members);
    // The day's backup could not be made; the save of the roll went ahead, and
    // rollSaved tells whether it succeeded. Sent once a run.
    void backupFailed(const QString &file, const QString &reason, bool rollSaved);
    // A change was refused because the roll is only to be read.
    void changeRefused(const QString &directory, const QString &reason);

  private:
    // How to build the roll before a change from the roll after it: before-record i+1 is
    // after-record from[i], or, when it is in kept, the record kept; then the dues values
    // are put back.
    struct Undo {
        UndoStep step;
        std::vector<int> from;
        std::vector<std::pair<int, MemberRecord>> kept; // ascending by before-number
        std::vector<std::pair<int, QString>> dues;      // ascending by before-number
    };
    void remember(Undo undo);

    FolderClaim takeLock();
    // records: the members given new values, by their numbers before the sort; undo: the
    // change, its roll before holding the first `before` members of the roll as it stands.
    Outcome sortAndSave(const std::vector<int> &records, Undo undo, int before);
    Outcome saveAndAnnounce(Change change, const ChangedMembers &members);
    Outcome save();
    Outcome refusal() const { return Outcome::refused(readOnlyReason_); }

    QString startDirectory_;
    MemberStore store_;
    ClubDataFile dataFile_;
    int selected_ = 0;
    std::unique_ptr<QLockFile> lock_;
    const SaveContext context_;
    QString readOnlyReason_;
    Exposure exposure_;
    std::optional<Outcome> unsaved_;
    std::deque<Undo> undos_;
};

} // namespace tessaly
