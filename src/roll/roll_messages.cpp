#include "roll/roll_messages.h"

#include "core/club_data_file.h"

#include <QDir>
#include <QStringList>

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
        .arg(QDir::toNativeSeparators(path), reason);
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
        .arg(QDir::toNativeSeparators(path), more, ClubDataFile::kBackupFileName);
}

QString damagedRollTitle()
{
    return QStringLiteral("Damaged Records Found");
}

QString damagedRollMessage(const QString &path, int damaged, int firstLine)
{
    const QString records = damaged == 1
                                ? QStringLiteral("1 record that does not look like the records "
                                                 "Tessaly writes, on line %1")
                                      .arg(firstLine)
                                : QStringLiteral("%1 records that do not look like the records "
                                                 "Tessaly writes, the first on line %2")
                                      .arg(damaged)
                                      .arg(firstLine);
    return QStringLiteral("%1 holds %2: a value too many or too few, or a quotation mark "
                          "missing or out of place. The roll was loaded as well as it could be; "
                          "check the members read from there on.\n\nThe original file will be "
                          "kept as %3 beside it before the roll is first saved.")
        .arg(QDir::toNativeSeparators(path), records, ClubDataFile::kBackupFileName);
}

QString utf8RollTitle()
{
    return QStringLiteral("Roll Saved as UTF-8");
}

QString utf8RollMessage(const QString &path, const QStringList &unencodable)
{
    QString text = QStringLiteral("%1 was saved as UTF-8 text. Tessaly keeps the roll as "
                                  "Windows-1252 text and will write it back that way when it is "
                                  "first saved; the original file will be kept as %2 beside it "
                                  "before then.")
                       .arg(QDir::toNativeSeparators(path), ClubDataFile::kBackupFileName);
    if (!unencodable.isEmpty()) {
        text += QStringLiteral("\n\nThese characters have no place in Windows-1252 and will be "
                               "written as \"?\": %1")
                    .arg(unencodable.join(u' '));
    }
    return text;
}

QString rollInUseTitle()
{
    return QStringLiteral("Roll Already Open");
}

QString rollInUseMessage(const QString &directory)
{
    return QStringLiteral("The member roll in %1 is already open in another Tessaly.\n\nWork "
                          "in that window, or close it and start Tessaly again. This copy ends "
                          "now and has changed nothing.")
        .arg(QDir::toNativeSeparators(directory));
}

QString changedOnDiskTitle()
{
    return QStringLiteral("Roll Changed by Another Program");
}

QString changedOnDiskMessage(const QString &path)
{
    return QStringLiteral("%1 was changed by another program after Tessaly read it.\n\nSave "
                          "the roll as Tessaly holds it over that file? What the other program "
                          "wrote would be lost.\n\nNo keeps the file as it is; your change stays "
                          "in memory while Tessaly runs.")
        .arg(QDir::toNativeSeparators(path));
}

QString backupFailureTitle()
{
    return QStringLiteral("Backup Not Made");
}

QString backupFailureMessage(const QString &file, const QString &reason, bool rollSaved)
{
    const QString roll = rollSaved ? QStringLiteral("The roll itself was saved.")
                                   : QStringLiteral("The roll itself could not be saved either; "
                                                    "the next message says why.");
    return QStringLiteral("The day's backup of the member roll could not be written to %1 "
                          "because of this problem: %2.\n\n%3 Tessaly tries again at each save "
                          "and will not tell you again while it runs.")
        .arg(QDir::toNativeSeparators(file), reason, roll);
}

QString unsavedChangesTitle()
{
    return QStringLiteral("Unsaved Changes");
}

QString unsavedChangesMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The member roll could not be saved to %1 because of this problem: "
                          "%2.\n\nYour latest changes are only in memory, and quitting now "
                          "loses them. Save Again tries to save the roll once more; Quit Without "
                          "Saving ends Tessaly and leaves the file on disk as it is; Cancel keeps "
                          "Tessaly open.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QStringList unsavedChangesButtons()
{
    return {QStringLiteral("Save Again"), QStringLiteral("Quit Without Saving"),
            QStringLiteral("Cancel")};
}

QString exposedFolderTitle()
{
    return QStringLiteral("Roll Folder Open to Others");
}

QString exposedFolderMessage(const QString &directory, const RollSession::Exposure &exposure)
{
    const QString folder = QDir::toNativeSeparators(directory);
    QStringList parts;
    if (exposure.folderOpen)
        parts << QStringLiteral("Every user of this computer may make, replace and delete files "
                                "in the folder %1, where the member roll is kept. Any of them "
                                "could put a file of their own, or a link to one of your private "
                                "files, in place of %2, and Tessaly would read it and save the "
                                "roll over it.")
                     .arg(folder, ClubDataFile::kFileName);
    if (exposure.foreignLink)
        parts << QStringLiteral("%1 there is not a file but a link to %2, made by the user %3, "
                                "who is neither you nor the folder's owner. A save would write "
                                "the roll into the file it leads to, so Tessaly opened the roll "
                                "only to be read: members can be looked at, but not added, "
                                "changed or deleted. If you did not ask for that link, delete it "
                                "and put the roll back from the folder %4 or from %5.")
                     .arg(ClubDataFile::kFileName, exposure.linkTarget, exposure.linkOwner,
                          ClubDataFile::kBackupFolder, ClubDataFile::kBackupFileName);
    if (parts.isEmpty())
        return {};
    // Whoever made a link there could write in the folder, if not as one of all the others
    // then as one of its group.
    parts << (exposure.folderOpen
                  ? QStringLiteral("To close the folder to other users, have its owner run "
                                   "chmod o-w %1 (or, if others must keep files there, chmod +t "
                                   "%1, so that each may replace only their own).")
                  : QStringLiteral("To close the folder to other users, have its owner run "
                                   "chmod go-w %1."))
                 .arg(folder);
    return parts.join(QStringLiteral("\n\n"));
}

QString readOnlyRollTitle()
{
    return QStringLiteral("Roll Is Read-Only");
}

QString readOnlyRollMessage(const QString &directory, const QString &reason)
{
    return QStringLiteral("Tessaly cannot write in the folder %1 (%2), so the member roll there "
                          "was opened only to be read: members can be looked at, searched, "
                          "listed and copied, but not added, changed or deleted.\n\nNothing "
                          "was changed.")
        .arg(QDir::toNativeSeparators(directory), reason);
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
