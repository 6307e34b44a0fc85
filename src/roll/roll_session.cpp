#include "roll/roll_session.h"

#include "core/whole_file.h"
#include "roll/address_file.h"
#include "roll/address_texts.h"

#include <QDir>
#include <QLockFile>

namespace tessaly {

RollSession::RollSession(const QString &startDirectory, QObject *parent)
    : QObject(parent), startDirectory_(startDirectory), dataFile_(startDirectory)
{
}

RollSession::~RollSession() = default;

bool RollSession::claimFolder()
{
    auto lock = std::make_unique<QLockFile>(QDir(startDirectory_).filePath(kLockFileName));
    // Stale only when the process that took it has gone, never by age: a Tessaly
    // left open for days still holds its roll.
    lock->setStaleLockTime(0);
    if (!lock->tryLock())
        return false;
    lock_ = std::move(lock);
    return true;
}

LoadResult RollSession::load(const std::function<void(int)> &onRecord)
{
    removeLeftoverTemporaries(startDirectory_);
    removeLeftoverTemporaries(QDir(startDirectory_).filePath(ClubDataFile::kBackupFolder));
    return dataFile_.load(store_, onRecord);
}

Outcome RollSession::add(const MemberRecord &member)
{
    if (store_.count() >= kAddLimit || !store_.append(member))
        return Outcome::refused(
            QStringLiteral("the roll holds %1 members, the most it takes").arg(store_.count()));
    return sortAndSave();
}

Outcome RollSession::update(int record, const MemberRecord &member)
{
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    store_.replace(record, member);
    return sortAndSave();
}

Outcome RollSession::remove(int record)
{
    if (!holds(record))
        return Outcome::refused(QStringLiteral("there is no member %1").arg(record));
    store_.removeMember(record);
    if (selected_ == record)
        selected_ = 0;
    else if (selected_ > record)
        --selected_;
    return saveAndAnnounce(Change::Members);
}

Outcome RollSession::resetDues()
{
    const QString no = QStringLiteral("N");
    for (int n = 1; n <= store_.count(); ++n)
        store_.setField(n, Field::DuesPaid, no);
    return saveAndAnnounce(Change::DuesReset);
}

Outcome RollSession::addMembers(const std::vector<MemberRecord> &members)
{
    const auto adding = static_cast<qsizetype>(members.size());
    if (store_.count() + adding > kAddLimit)
        return Outcome::refused(QStringLiteral("the roll holds %1 members and takes %2 at most")
                                    .arg(store_.count())
                                    .arg(kAddLimit));
    if (members.empty())
        return Outcome::done();
    for (const MemberRecord &member : members)
        store_.append(member);
    return sortAndSave();
}

Outcome RollSession::writeAddresses(const std::vector<int> &records) const
{
    return writeAddressFile(startDirectory_, addressFileText(store_, records));
}

Outcome RollSession::sortAndSave()
{
    const std::vector<int> newNumbers = store_.sortMembers();
    if (selected_ > 0 && static_cast<std::size_t>(selected_) < newNumbers.size())
        selected_ = newNumbers[static_cast<std::size_t>(selected_)];
    return saveAndAnnounce(Change::Members);
}

Outcome RollSession::saveAndAnnounce(Change change)
{
    // The change is in memory whether or not the file could take it; the windows
    // show it, and the next save that succeeds writes it with everything else.
    Outcome saved;
    if (dataFile_.changedOnDisk() && !(confirmOverwrite_ && confirmOverwrite_(dataFilePath()))) {
        saved = Outcome::failure(dataFilePath(),
                                 QStringLiteral("another program changed the file after Tessaly "
                                                "read it, and that version was kept"));
    } else {
        saved = dataFile_.save(store_, today_ ? today_() : QDate());
        if (const std::optional<Outcome> backup = dataFile_.takeBackupFailure())
            emit backupFailed(backup->file, backup->reason);
    }
    emit changed(change);
    return saved;
}

} // namespace tessaly
