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
    if (store_.count() >= kAddLimit || !store_.append(member))
        return Outcome::refused(
            QStringLiteral("the roll holds %1 members, the most it takes").arg(store_.count()));
    return sortAndSave({store_.count()});
}

Outcome RollSession::update(int record, const MemberRecord &member)
{
    if (!mayChange())
        return refusal();
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    const bool differs = store_.record(record) != member;
    store_.replace(record, member);
    return sortAndSave(differs ? std::vector<int>{record} : std::vector<int>{});
}

Outcome RollSession::remove(int record)
{
    if (!mayChange())
        return refusal();
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    store_.removeMember(record);
    if (selected_ == record)
        selected_ = 0;
    else if (selected_ > record)
        --selected_;
    return saveAndAnnounce(Change::Members, {});
}

Outcome RollSession::resetDues()
{
    if (!mayChange())
        return refusal();
    const QString no = QStringLiteral("N");
    for (int n = 1; n <= store_.count(); ++n)
        store_.setField(n, Field::DuesPaid, no);
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
    std::vector<int> added;
    for (const MemberRecord &member : members) {
        store_.append(member);
        added.push_back(store_.count());
    }
    return sortAndSave(added);
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
    std::vector<int> differing;
    for (const auto &[record, member] : members) {
        if (store_.record(record) != member)
            differing.push_back(record);
        store_.replace(record, member);
    }
    return sortAndSave(differing);
}

Outcome RollSession::writeAddresses(const std::vector<int> &records) const
{
    return writeAddressFile(startDirectory_, addressFileText(store_, records));
}

Outcome RollSession::sortAndSave(const std::vector<int> &records)
{
    const std::vector<int> newNumbers = store_.sortMembers();
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
