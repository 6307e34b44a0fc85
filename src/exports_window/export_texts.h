#pragma once

#include <QString>

namespace tessaly {

QString exportDialogTitle();
QString exportFileFilter();
QString exportedTitle();
QString exportedMessage(int members, const QString &path);
QString exportFailedTitle();
QString exportFailedMessage(const QString &path, const QString &reason);

QString emailsCopiedTitle();
QString emailsCopiedMessage(int addresses, int membersWithout);
QString noEmailsTitle();
QString noEmailsMessage(int listed);

QString directoryTitle();
QString directorySummary(int members, int pages);
QString nothingInDirectoryMessage();
QString directorySavedTitle();
QString directorySavedMessage(const QString &path);
QString directoryWaitingTitle();
QString directoryWaitingMessage(const QString &reason);

} // namespace tessaly
