#include "main_window/main_window_texts.h"

#include "core/version.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

const QString kSupportAddress = u"support@tessaly.example"_s;

QString mainWindowTitle()
{
    return u"Tessaly "_s + QStringLiteral(TESSALY_VERSION);
}

QString loadFailureTitle()
{
    return u"Trouble loading data!"_s;
}

QString loadFailureMessage()
{
    return u"Error reading your file data.  Either your files have become corrupted or you do not "
           u"have enough available memory to load all your data.  This is generally not good.  "
           u"Try closing all other programs and opening this program again.  If that doesn't "
           u"work, try opening the file addrclub.dat with a text editor such as notepad to see if "
           u"the files are ok (c:\\program files\\club)."_s;
}

QString loadFailureReason(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + u": "_s + reason;
}

QString invalidDateTitle()
{
    return u"Valid Date Required."_s;
}

QString invalidDateMessage()
{
    return u"Please enter a valid date or leave blank."_s;
}

QString maximumRecordTitle()
{
    return u"Maximum Record Count"_s;
}

QString maximumRecordMessage()
{
    return u"This program was designed to hold up to 10,000 records.  You have attempted to "
           u"exceeded that limit.  If you would like to have this program modified to accomodate "
           u"additional records, please contact me at "_s +
           kSupportAddress + u'.';
}

QString saveChangesTitle()
{
    return u"Save Changes?"_s;
}

QString saveChangesMessage(bool newMember, const QString &name)
{
    if (newMember)
        return u"The new member typed in the entry boxes has not been added yet.\n\nYes adds it "
               u"first, No discards it, and Cancel goes back to the entry boxes."_s;
    return u"Your changes to "_s + name +
           u" have not been recorded yet.\n\nYes records them first, No discards them, and "
           u"Cancel goes back to the entry boxes."_s;
}

QStringList saveChangesButtons()
{
    return {u"&Yes"_s, u"&No"_s, u"Cancel"_s};
}

QString addAnywayTitle()
{
    return u"Add Anyway?"_s;
}

QString blankMemberMessage()
{
    return u"Every entry box is empty.  Add a member without any data anyway?"_s;
}

QString duplicateMemberMessage(const QString &listLine)
{
    return u"This member seems to be on the roll already, as \""_s + listLine +
           u"\" (the same call sign and name, or the same name and address).  Add this member "
           u"anyway?"_s;
}

QString confirmDeleteTitle()
{
    return u"Confirm Delete?"_s;
}

QString confirmDeleteMessage(const QString &firstName, const QString &lastName)
{
    return u"Are you sure you want to delete "_s + firstName + u' ' + lastName + u'?';
}

} // namespace tessaly
