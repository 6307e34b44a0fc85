#include "import/import_texts.h"

#include <QLocale>

namespace tessaly {

namespace {

QString number(int n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

// "1 row" and "3 rows".
QString rows(int n)
{
    return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(number(n));
}

QString members(int n)
{
    return n == 1 ? QStringLiteral("1 member") : QStringLiteral("%1 members").arg(number(n));
}

QString count(const std::vector<int> &list)
{
    return rows(static_cast<int>(list.size()));
}

} // namespace

QString importTitle()
{
    return QStringLiteral("Import Members");
}

QString sheetFileFilter()
{
    return QStringLiteral("Spreadsheet text (*.csv *.tsv *.txt);;All files (*)");
}

QString sheetTooLargeReason()
{
    return QStringLiteral("it is larger than 64 MB, far more than a roll of 9,998 members");
}

QString notTextSheetReason()
{
    return QStringLiteral(
        "it is not comma-, semicolon- or tab-separated text. Save the spreadsheet as "
        "\"CSV UTF-8\" or \"CSV\" and import that file");
}

QString sheetUnreadableMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Tessaly could not import %1: %2.\n\nNothing was added to the roll.")
        .arg(path, reason);
}

QString noDataRowsMessage(const QString &path)
{
    return QStringLiteral("%1 has no rows below its first row, which names the columns.\n\n"
                          "Nothing was added to the roll.")
        .arg(path);
}

QString overLimitMessage(int count, int adding, int limit)
{
    return QStringLiteral("The roll holds %1 and takes at most %2. Adding %3 would bring it "
                          "to %4.\n\nNothing was added. Leave rows out, or import fewer.")
        .arg(members(count), number(limit), members(adding), number(count + adding));
}

QString importResultMessage(const QString &fileName, const ImportTally &tally)
{
    QStringList lines;
    lines << QStringLiteral("%1 added to the roll from %2.").arg(members(tally.added), fileName);
    if (tally.leftOut() > 0) {
        lines << QString() << QStringLiteral("%1 left out:").arg(rows(tally.leftOut()));
        if (!tally.duplicates.empty())
            lines << QStringLiteral("%1 already on the roll (rows %2)")
                         .arg(count(tally.duplicates), rowList(tally.duplicates));
        if (!tally.unencodable.empty())
            lines << QStringLiteral("%1 with characters AddrClub.dat cannot hold (rows %2)")
                         .arg(count(tally.unencodable), rowList(tally.unencodable));
        if (!tally.empty.empty())
            lines << QStringLiteral("%1 empty in every imported column (rows %2)")
                         .arg(count(tally.empty), rowList(tally.empty));
    }
    if (!tally.replacedAdded.empty() || !tally.keptAsText.empty())
        lines << QString();
    if (!tally.replacedAdded.empty())
        lines << QStringLiteral("Added with characters replaced: rows %1")
                     .arg(rowList(tally.replacedAdded));
    if (!tally.keptAsText.empty())
        lines << QStringLiteral("Added with a date or yes/no value kept as written: rows %1")
                     .arg(rowList(tally.keptAsText));
    return lines.join(u'\n');
}

QString importSummary(const ImportTally &tally, int rowCount, int room)
{
    QStringList parts;
    parts << QStringLiteral("%1 in the file, %2 to add").arg(rows(rowCount), number(tally.added));
    if (!tally.duplicates.empty())
        parts << QStringLiteral("%1 already on the roll")
                     .arg(number(static_cast<int>(tally.duplicates.size())));
    if (!tally.unencodable.empty())
        parts << QStringLiteral("%1 with characters AddrClub.dat cannot hold")
                     .arg(number(static_cast<int>(tally.unencodable.size())));
    if (!tally.empty.empty())
        parts << QStringLiteral("%1 empty").arg(number(static_cast<int>(tally.empty.size())));
    if (!tally.keptAsText.empty())
        parts << QStringLiteral("%1 with a date or yes/no value kept as written")
                     .arg(number(static_cast<int>(tally.keptAsText.size())));
    QString text = parts.join(QStringLiteral("; ")) + u'.';
    if (tally.added > room)
        text += QStringLiteral(" The roll has room for %1 more.").arg(members(room));
    return text;
}

QString addDuplicatesText(int rowCount)
{
    return QStringLiteral("Add the %1 already on the roll as well").arg(rows(rowCount));
}

QString acceptReplacementsText(int rowCount)
{
    return QStringLiteral("Add the %1 with characters replaced (shown in the preview)")
        .arg(rows(rowCount));
}

QString notImportedText()
{
    return QStringLiteral("(not imported)");
}

} // namespace tessaly
