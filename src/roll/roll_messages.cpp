#include "roll/roll_messages.h"

#include "core/club_data_file.h"

#include <QDir>

namespace tessaly {

QString saveFailureTitle()
{
    return QStringLiteral("Trouble saving data!");
}

QString saveFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The member roll could not be saved to %1 because of this problem: %2."
                          "\n\nYour change is kept in memory while Tessaly runs. The file on disk "
                          "still holds the roll as it was before this change.")
        .arg(path, reason);
}

QString surplusTitle()
{
    return QStringLiteral("Too many members!");
}

QString surplusMessage(const QString &path, int surplus)
{
    const QString more = surplus == 1 ? QStringLiteral("1 more member")
                                      : QStringLiteral("%1 more members").arg(surplus);
    return QStringLiteral("%1 holds %2 than Tessaly can keep (10,000). The first 10,000 members "
                          "were loaded.\n\nThe whole original file will be kept as %3 beside it "
                          "before the roll is first saved.")
        .arg(path, more, ClubDataFile::kBackupFileName);
}

QString addressFileFailureTitle()
{
    return QStringLiteral("Address File Not Written");
}

QString addressFileFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The listed addresses could not be written to the file %1.\n\n"
                          "Reason: %2\n\n"
                          "Nothing in the member roll was changed, and an earlier copy of the "
                          "address file, if there was one, is left as it was.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString clipboardFailureTitle()
{
    return QStringLiteral("Clipboard Not Available");
}

QString clipboardFailureMessage()
{
    return QStringLiteral("The clipboard could not be set, so nothing was copied.\n\n"
                          "Nothing in the member roll was changed. Try the copy again in a "
                          "moment.");
}

} // namespace tessaly
