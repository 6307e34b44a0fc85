#pragma once

#include <QDate>
#include <QString>

namespace tessaly {

// What the licence update says, worded in one place.

QString updateLicencesTitle();    // the preview and every refusal
QString licencesUpdatedTitle();   // after the changes were taken
QString chooseFccFileTitle();
QString fccFileFilter();
QString readingFccFileText();     // over the progress bar
QString emptyRollForLicencesMessage();
QString noCallSignsMessage();
// path: the file chosen; reason: what is wrong with it, the file's name first.
QString fccFileUnreadableMessage(const QString &path, const QString &reason);
QString nothingToSayMessage(const QString &fileName, int members);
// The line above the preview's rows.
QString licenceSummary(const QString &fileName, const QDate &fileDate, int members, int proposals,
                       int skippedLines);
QString licencesUpdatedMessage(int members);

} // namespace tessaly
