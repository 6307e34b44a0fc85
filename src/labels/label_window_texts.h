#pragma once

#include <QString>

namespace tessaly {

// The label window's own texts: its title and the messages it shows.

QString labelWindowTitle();

QString noDefaultFontTitle();
QString noDefaultFontMessage();

QString settingsFileErrorTitle();
QString settingsFileErrorMessage();

QString printerErrorTitle();
QString printerErrorMessage();

QString layoutRefusedTitle();

QString labelsSavedTitle();
QString labelsSavedMessage(const QString &path);

// The sheet list's entry for measurements that are no sheet of the list.
QString customSheetName();

QString previewTitle();
// "1 label on 1 page", "31 labels on 2 pages".
QString previewSummary(int labels, int pages);
QString nothingToPreviewMessage();
QString labelsWaitingTitle();
QString labelsWaitingMessage(const QString &reason);

} // namespace tessaly
