#pragma once

#include <QString>

namespace tessaly {

// The main window's own texts: its title and the messages it shows.

extern const QString kSupportAddress;

QString mainWindowTitle();

QString loadFailureTitle();
QString loadFailureMessage();

QString invalidDateTitle();
QString invalidDateMessage();

QString maximumRecordTitle();
QString maximumRecordMessage();

QString confirmDeleteTitle();
QString confirmDeleteMessage(const QString &firstName, const QString &lastName);

} // namespace tessaly
