#include "roll/roll_session.h"

#include "core/file_system.h"
#include "roll/address_file.h"
#include "roll/address_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace tessaly {

RollSession::RollSession(const QString &startDirectory, SaveContext context, QObject *parent)
    : QObject(parent), startDirectory_(startDirectory), dataFile_(startDirectory),
      context_(std::move(context))
{
}

RollSession::~RollSession() = default;

namespace {

// Who else may put a file of their own in place of the roll. A link is trusted only when
// its maker could as well have written the roll itself (the operator) or owns the folder,
// as the kernel trusts links in a folder open to all.
RollSession::Exposure exposureOf(const QString &directory, const QString &rollPath)
{
    RollSession::Exposure exposure;
    const FileFacts folder = fileFacts(directory, true);
    exposure.folderOpen = folder.exists && (folder.bits & 0002) != 0 && (folder.bits & 01000) == 0;
    const FileFacts roll = fileFacts(rollPath, false);
    if (roll.link && roll.owner != folder.owner && roll.owner != runningUser()) {
        exposure.foreignLink = true;
        exposure.linkTarget = QDir::toNativeSeparators(QFileInfo(rollPath).symLinkTarget());
        exposure.linkOwner = userName(roll.owner);
    }
    return exposure;
}

} // namespace

RollSession::FolderClaim RollSession::claimFolder()
{
    exposure_ = exposureOf(startDirectory_, dataFile_.path());
    const FolderClaim claim = takeLock();
    if (claim == FolderClaim::InUse || !exposure_.foreignLink)
        return claim;
    if (readOnlyReason_.isEmpty())
        readOnlyReason_ = QStringLiteral("%1 there is a link another user made, and a save would "
                                         "write into the file it leads to")
                              .arg(ClubDataFile::kFileName);
    return FolderClaim::ReadOnly;
}

void RollSession::releaseFolder()
{
    lock_.reset();
}

RollSession::FolderClaim RollSession::takeLock()
{
    auto lock = std::make_unique<QLockFile>(QDir(startDirectory_).filePath(kLockFileName));
    // Stale only when the process that took it has gone, never by age: a Tessaly
    // left open for days still holds its roll.
    lock->setStaleLockTime(0);
    if (lock->tryLock()) {
        lock_ = std::move(lock);
        readOnlyReason_.clear();
        return FolderClaim::Claimed;
    }
    // A lock that stands and could not be taken over means another Tessaly, unless
    // the folder is closed to writing: then a lock left by a crash cannot be
    // removed either, and no copy can save there anyway.
    const QString problem = folderWriteProblem(startDirectory_);
    if (lock->error() == QLockFile::LockFailedError && problem.isEmpty())
        return FolderClaim::InUse;
    if (!problem.isEmpty())
        readOnlyReason_ = problem;
    else if (lock->error() == QLockFile::PermissionError)
        readOnlyReason_ =
            QStringLiteral("Tessaly may not make its lock file %1 there").arg(kLockFileName);
    else
        readOnlyReason_ =
            QStringLiteral("Tessaly could not make its lock file %1 there").arg(kLockFileName);
    return FolderClaim::ReadOnly;
}

bool RollSession::mayChange()
{
    if (writable())
        return true;
    emit changeRefused(startDirectory_, readOnlyReason_);
    return false;
}

LoadResult RollSession::load()
{
    removeLeftoverTemporaries(startDirectory_);
    removeLeftoverTemporaries(QDir(startDirectory_).filePath(ClubDataFile::kBackupFolder));
    return dataFile_.load(store_);
}

Outcome RollSession::add(const MemberRecord &member)
{
    if (!mayChange())
        return refusal();
    const int before = store_.count();
    if (before >= kAddLimit || !store_.append(member))
        return Outcome::refused(
            QStringLiteral("the roll holds %1 members, the most it takes").arg(store_.count()));
    return sortAndSave({store_.count()}, {{UndoStep::Kind::Add, member, 0}, {}, {}, {}}, before);
}

Outcome RollSession::update(int record, const MemberRecord &member)
{
    if (!mayChange())
        return refusal();
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    const MemberRecord old = store_.record(record);
    const bool differs = old != member;
    store_.replace(record, member);
    return sortAndSave(differs ? std::vector<int>{record} : std::vector<int>{},
                       {{UndoStep::Kind::Record, old, 0}, {}, {{record, old}}, {}},
                       store_.count());
}

Outcome RollSession::remove(int record)
{
    if (!mayChange())
        return refusal();
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    Undo undo{{UndoStep::Kind::Delete, store_.record(record), 0}, {}, {}, {}};
    undo.kept.emplace_back(record, store_.record(record));
    for (int n = 1; n <= store_.count(); ++n)
        undo.from.push_back(n < record ? n : n > record ? n - 1 : 0);
    store_.removeMember(record);
    if (selected_ == record)
        selected_ = 0;
    else if (selected_ > record)
        --selected_;
    remember(std::move(undo));
    return saveAndAnnounce(Change::Members, {});
}

Outcome RollSession::resetDues()
{
    if (!mayChange())
        return refusal();
    Undo undo{{UndoStep::Kind::DuesReset, {}, 0}, {}, {}, {}};
    const QString no = QStringLiteral("N");
    for (int n = 1; n <= store_.count(); ++n) {
        undo.from.push_back(n);
        if (store_.field(n, Field::DuesPaid) != no)
            undo.dues.emplace_back(n, store_.field(n, Field::DuesPaid));
        store_.setField(n, Field::DuesPaid, no);
    }
    remember(std::move(undo));
    return saveAndAnnounce(Change::DuesReset, {true, {}});
}

Outcome RollSession::addMembers(const std::vector<MemberRecord> &members)
{
    if (!mayChange())
        return refusal();
    const auto adding = static_cast<qsizetype>(members.size());
    if (store_.count() + adding > kAddLimit)
        return Outcome::refused(QStringLiteral("the roll holds %1 members and takes %2 at most")
                                    .arg(store_.count())
                                    .arg(kAddLimit));
    if (members.empty())
        return Outcome::done();
    const int before = store_.count();
    std::vector<int> added;
    for (const MemberRecord &member : members) {
        store_.append(member);
        added.push_back(store_.count());
    }
    return sortAndSave(
        added, {{UndoStep::Kind::Import, {}, static_cast<int>(adding)}, {}, {}, {}}, before);
}

Outcome RollSession::updateMembers(const std::vector<std::pair<int, MemberRecord>> &members)
{
    if (!mayChange())
        return refusal();
    for (const auto &[record, member] : members) {
        if (!holds(record))
            return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    }
    if (members.empty())
        return Outcome::done();
    Undo undo{{UndoStep::Kind::LicenseUpdate, {}, 0}, {}, {}, {}};
    std::vector<int> differing;
    for (const auto &[record, member] : members) {
        undo.kept.emplace_back(record, store_.record(record));
        if (store_.record(record) != member)
            differing.push_back(record);
        store_.replace(record, member);
    }
    // A member given twice was, before the change, what it held before the first.
    const auto byRecord = [](const auto &a, const auto &b) { return a.first < b.first; };
    std::stable_sort(undo.kept.begin(), undo.kept.end(), byRecord);
    undo.kept.erase(std::unique(undo.kept.begin(), undo.kept.end(),
                                [](const auto &a, const auto &b) { return a.first == b.first; }),
                    undo.kept.end());
    return sortAndSave(differing, std::move(undo), store_.count());
}

std::optional<RollSession::UndoStep> RollSession::nextUndo() const
{
    if (undos_.empty())
        return std::nullopt;
    return undos_.back().step;
}

void RollSession::remember(Undo undo)
{
    undos_.push_back(std::move(undo));
    while (undos_.size() > static_cast<std::size_t>(kUndoDepth))
        undos_.pop_front();
}

Outcome RollSession::undo()
{
    if (undos_.empty())
        return Outcome::refused(QStringLiteral("there is no change to undo"));
    if (!mayChange())
        return refusal();
    Undo undo = std::move(undos_.back());
    undos_.pop_back();
    MemberStore before;
    before.reserve(static_cast<int>(undo.from.size()));
    auto kept = undo.kept.begin();
    int selected = 0;
    for (int n = 1; n <= static_cast<int>(undo.from.size()); ++n) {
        const int from = undo.from[static_cast<std::size_t>(n - 1)];
        if (kept != undo.kept.end() && kept->first == n)
            before.append(std::move((kept++)->second));
        else
            before.append(std::move(store_.record(from)));
        if (from != 0 && from == selected_)
            selected = n;
    }
    for (const auto &[record, dues] : undo.dues)
        before.setField(record, Field::DuesPaid, dues);
    // The texts the records may be views into stay with store_, which keeps every text it
    // ever held.
    store_ = std::move(before);
    selected_ = selected;
    return saveAndAnnounce(Change::Members, {true, {}});
}

Outcome RollSession::writeAddresses(const std::vector<int> &records) const
{
    return writeAddressFile(startDirectory_, addressFileText(store_, records));
}

Outcome RollSession::sortAndSave(const std::vector<int> &records, Undo undo, int before)
{
    const std::vector<int> newNumbers = store_.sortMembers();
    undo.from.assign(newNumbers.begin() + 1, newNumbers.begin() + 1 + before);
    remember(std::move(undo));
    if (selected_ > 0 && static_cast<std::size_t>(selected_) < newNumbers.size())
        selected_ = newNumbers[static_cast<std::size_t>(selected_)];
    ChangedMembers members;
    for (const int record : records)
        members.records.push_back(newNumbers[static_cast<std::size_t>(record)]);
    std::sort(members.records.begin(), members.records.end());
    members.records.erase(std::unique(members.records.begin(), members.records.end()),
                          members.records.end());
    return saveAndAnnounce(Change::Members, members);
}

Outcome RollSession::saveAndAnnounce(Change change, const ChangedMembers &members)
{
    // The change is in memory whether or not the file could take it; the windows
    // show it, and the next save that succeeds writes it with everything else.
    const Outcome saved = save();
    emit changed(change, members);
    return saved;
}

bool RollSession::ChangedMembers::includes(int record) const
{
    return all || std::binary_search(records.begin(), records.end(), record);
}

Outcome RollSession::saveAgain()
{
    if (!hasUnsavedChanges())
        return Outcome::done();
    return save();
}

Outcome RollSession::save()
{
    Outcome saved;
    if (dataFile_.changedOnDisk() &&
        !(context_.confirmOverwrite && context_.confirmOverwrite(dataFilePath()))) {
        saved = Outcome::failure(dataFilePath(),
                                 QStringLiteral("another program changed the file after Tessaly "
                                                "read it, and that version was kept"));
    } else {
        saved = dataFile_.save(store_, context_.today ? context_.today() : QDate());
        if (const std::optional<Outcome> backup = dataFile_.takeBackupFailure())
            emit backupFailed(backup->file, backup->reason, saved.ok());
    }
    if (saved.ok())
        unsaved_.reset();
    else
        unsaved_ = saved;
    return saved;
}

} // namespace tessaly
