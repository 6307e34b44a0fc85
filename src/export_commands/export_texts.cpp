#include "export_commands/export_texts.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

QString counted(int count, const QString &one, const QString &many)
{
    return count == 1 ? u"1 "_s + one : QString::number(count) + u' ' + many;
}

} // namespace

QString exportDialogTitle()
{
    return u"Export Listed Members"_s;
}

QString exportFileFilter()
{
    return u"Spreadsheet (*.csv);;All files (*)"_s;
}

QString exportedTitle()
{
    return u"Members Exported"_s;
}

QString exportedMessage(int members, const QString &path)
{
    return counted(members, u"member was"_s, u"members were"_s) + u" exported to:\n\n"_s +
           QDir::toNativeSeparators(path);
}

QString exportFailedTitle()
{
    return u"Members Not Exported"_s;
}

QString exportFailedMessage(const QString &path, const QString &reason)
{
    return u"The members could not be written to %1: %2.\nAny earlier file there is as it was."_s
        .arg(QDir::toNativeSeparators(path), reason);
}

QString emailsCopiedTitle()
{
    return u"E-mail Addresses Copied"_s;
}

QString emailsCopiedMessage(int addresses, int membersWithout)
{
    return counted(addresses, u"address was"_s, u"addresses were"_s) +
           u" copied to the clipboard, ready for the Bcc box of one mail."_s +
           (membersWithout == 0
                ? u"\n\nEvery listed member has one."_s
                : u"\n\n"_s + counted(membersWithout, u"listed member has"_s,
                                      u"listed members have"_s) +
                      u" no e-mail address."_s);
}

QString noEmailsTitle()
{
    return u"No E-mail Addresses"_s;
}

QString noEmailsMessage(int listed)
{
    return (listed == 0 ? u"The list shows no members."_s
                        : u"None of the listed members has an e-mail address."_s) +
           u"\n\nThe clipboard was left as it was."_s;
}

QString directoryTitle()
{
    return u"Member Directory"_s;
}

QString directorySummary(int members, int pages)
{
    return counted(members, u"member"_s, u"members"_s) +
           (pages == 1 ? u" on 1 page"_s : u" on %1 pages"_s.arg(pages));
}

QString nothingInDirectoryMessage()
{
    return u"There is nothing to print: the list shows no members.\n\n"
           u"List the members for the directory first."_s;
}

PrintedWork printedDirectory()
{
    return {u"Directory"_s, u"the directory was"_s};
}

QString noPrinterForDirectory()
{
    return u"No printer: the directory goes to Directory.pdf"_s;
}

} // namespace tessaly
