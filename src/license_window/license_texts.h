#pragma once

#include <QDate>
#include <QString>

namespace tessaly {

// What the license update says, worded in one place.

QString updateLicensesTitle();    // the preview and every refusal
QString licensesUpdatedTitle();   // after the changes were taken
QString chooseFccFileTitle();
QString fccFileFilter();
QString readingFccFileText();     // over the progress bar
QString emptyRollForLicensesMessage();
QString noCallSignsMessage();
// path: the file chosen; reason: what is wrong with it, the file's name first.
QString fccFileUnreadableMessage(const QString &path, const QString &reason);
QString nothingToSayMessage(const QString &fileName, int members);
// The line above the preview's rows.
QString licenseSummary(const QString &fileName, const QDate &fileDate, int members, int proposals,
                       int skippedLines);
QString licensesUpdatedMessage(int members);

} // namespace tessaly
