#include "main_window/main_window_texts.h"

#include "core/member_lines.h"
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

QString undoCaption(const std::optional<RollSession::UndoStep> &step)
{
    using Kind = RollSession::UndoStep::Kind;
    if (!step)
        return u"&Undo"_s;
    // A member is named as the delete question names it, by first and last name, and by
    // the call sign when it has neither; an ampersand in a name is no access key.
    const auto named = [&step](const QString &change) {
        const MemberRecord &member = step->member;
        QString name = nameLine(NameParts{member[Field::FirstName], {}, member[Field::LastName]},
                                {NameOrder::GivenFirst, NameSeparators::BetweenPresent});
        if (name.trimmed().isEmpty())
            name = member[Field::Call];
        if (name.trimmed().isEmpty())
            return u"&Undo "_s + change;
        return u"&Undo "_s + change + u" of "_s + name.replace(u'&', u"&&"_s);
    };
    switch (step->kind) {
    case Kind::Add:
        return named(u"Add"_s);
    case Kind::Record:
        return named(u"Record"_s);
    case Kind::Delete:
        return named(u"Delete"_s);
    case Kind::DuesReset:
        return u"&Undo Dues Reset"_s;
    case Kind::Import:
        return u"&Undo Import of %1 %2"_s.arg(step->members).arg(
            step->members == 1 ? u"Member"_s : u"Members"_s);
    case Kind::LicenseUpdate:
        return u"&Undo License Update"_s;
    }
    return u"&Undo"_s;
}

QString confirmDeleteMessage(const QString &firstName, const QString &lastName)
{
    return u"Are you sure you want to delete "_s + firstName + u' ' + lastName + u'?';
}

} // namespace tessaly
