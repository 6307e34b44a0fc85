#pragma once

#include "roll/roll_session.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly {

// The main window's own texts: its title and the messages it shows.

extern const QString kSupportAddress;

QString mainWindowTitle();

QString loadFailureTitle();
QString loadFailureMessage();
// The line under it: which file could not be read, and the system's reason.
QString loadFailureReason(const QString &path, const QString &reason);

QString invalidDateTitle();
QString invalidDateMessage();

QString maximumRecordTitle();
QString maximumRecordMessage();

// Typing in the entry boxes that is not stored yet, before a command would drop it.
QString saveChangesTitle();
// name: the edited member's first and last name; empty for a new member.
QString saveChangesMessage(bool newMember, const QString &name);
QStringList saveChangesButtons();
enum class SaveChangesChoice { Yes, No, Cancel };

// An add that looks like a mistake: every box empty, or a member already on the roll.
QString addAnywayTitle();
QString blankMemberMessage();
// listLine: how the member list shows the member already on the roll.
QString duplicateMemberMessage(const QString &listLine);

// The File menu's Undo item, naming the change it takes back; bare when there is none.
QString undoCaption(const std::optional<RollSession::UndoStep> &step);

QString confirmDeleteTitle();
QString confirmDeleteMessage(const QString &firstName, const QString &lastName);

} // namespace tessaly
