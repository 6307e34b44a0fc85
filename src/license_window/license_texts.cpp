#include "license_window/license_texts.h"

#include "core/date_text.h"

#include <QDir>

namespace tessaly {

namespace {

QString members(int count)
{
    return count == 1 ? QStringLiteral("1 member") : QStringLiteral("%1 members").arg(count);
}

} // namespace

QString updateLicensesTitle()
{
    return QStringLiteral("Update Licenses");
}

QString licensesUpdatedTitle()
{
    return QStringLiteral("Licenses Updated");
}

QString chooseFccFileTitle()
{
    return QStringLiteral("Choose the FCC License File");
}

QString fccFileFilter()
{
    return QStringLiteral("FCC license file (*.zip HD.dat hd.dat);;All files (*)");
}

QString readingFccFileText()
{
    return QStringLiteral("Reading the FCC license file...");
}

QString emptyRollForLicensesMessage()
{
    return QStringLiteral("The roll holds no members, so there is nothing to compare with the FCC "
                          "license file.");
}

QString noCallSignsMessage()
{
    return QStringLiteral("No member of the roll has a call sign, so there is nothing to compare "
                          "with the FCC license file.");
}

QString fccFileUnreadableMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The FCC license file %1 could not be read: %2\n\nThe roll was not "
                          "changed.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString nothingToSayMessage(const QString &fileName, int count)
{
    return QStringLiteral("The license class and expiration date of every member with a call "
                          "sign agree with %1 (%2 compared). The roll was not changed.")
        .arg(fileName, members(count));
}

QString licenseSummary(const QString &fileName, const QDate &fileDate, int count, int proposals,
                       int skippedLines)
{
    QString summary = QStringLiteral("%1 with a call sign compared with %2")
                          .arg(members(count), fileName);
    if (fileDate.isValid())
        summary += QStringLiteral(" of %1").arg(formatDate(fileDate));
    summary += proposals == 0 ? QStringLiteral(": no change proposed.")
               : QStringLiteral(": %1 %2 proposed. Nothing changes until you click OK.")
                     .arg(proposals)
                     .arg(proposals == 1 ? QStringLiteral("change") : QStringLiteral("changes"));
    if (skippedLines > 0)
        summary += QStringLiteral(" %1 damaged %2 of the file %3 skipped.")
                       .arg(skippedLines)
                       .arg(skippedLines == 1 ? QStringLiteral("line") : QStringLiteral("lines"),
                            skippedLines == 1 ? QStringLiteral("was") : QStringLiteral("were"));
    return summary;
}

QString licensesUpdatedMessage(int count)
{
    return count == 1 ? QStringLiteral("1 member was brought up to date.")
                      : QStringLiteral("%1 members were brought up to date.").arg(count);
}

} // namespace tessaly
