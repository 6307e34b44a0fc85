#pragma once

#include "forms/print_result_messages.h"

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
// How the messages of a print name the directory.
PrintedWork printedDirectory();
// The preview's printer list's only entry when the system has no printer.
QString noPrinterForDirectory();

} // namespace tessaly
