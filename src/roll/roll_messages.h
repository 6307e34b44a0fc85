#pragma once

#include "roll/roll_session.h"

#include <QString>
#include <QStringList>

namespace tessaly {

// What every window tells the operator about the roll's files and the clipboard,
// worded once so that a failed save reads the same wherever it happens.

QString saveFailureTitle();
// path: the roll's file; reason: why it could not be written.
QString saveFailureMessage(const QString &path, const QString &reason);

QString surplusTitle();
QString surplusMessage(const QString &path, int surplus);

// Start-up: a roll whose records do not all have the shape the program writes.
QString damagedRollTitle();
QString damagedRollMessage(const QString &path, int damaged, int firstLine);
// Start-up: a roll saved as UTF-8; unencodable lists what Windows-1252 cannot hold.
QString utf8RollTitle();
QString utf8RollMessage(const QString &path, const QStringList &unencodable);
// Start-up: another Tessaly holds the folder.
QString rollInUseTitle();
QString rollInUseMessage(const QString &directory);
// Before a save: another program changed the roll's file. Yes overwrites it.
QString changedOnDiskTitle();
QString changedOnDiskMessage(const QString &path);
QString backupFailureTitle();
// rollSaved: whether the save that the backup came before succeeded.
QString backupFailureMessage(const QString &file, const QString &reason, bool rollSaved);

// Before quitting while the last save failed: path and reason as the failed save gave
// them. The buttons in their order; the last, Cancel, keeps Tessaly open.
QString unsavedChangesTitle();
QString unsavedChangesMessage(const QString &path, const QString &reason);
QStringList unsavedChangesButtons();
enum class UnsavedChoice { SaveAgain, QuitWithoutSaving, Cancel };

// Start-up: other users may change the roll's folder, or the roll is a link another user
// made (then opened only to be read); empty when neither.
QString exposedFolderTitle();
QString exposedFolderMessage(const QString &directory, const RollSession::Exposure &exposure);

// A change refused because Tessaly cannot write in the roll's folder.
QString readOnlyRollTitle();
QString readOnlyRollMessage(const QString &directory, const QString &reason);

QString addressFileFailureTitle();
QString addressFileFailureMessage(const QString &path, const QString &reason);

QString clipboardFailureTitle();
QString clipboardFailureMessage();

} // namespace tessaly
