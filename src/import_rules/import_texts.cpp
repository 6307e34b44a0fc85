#include "import_rules/import_texts.h"

#include <QDir>
#include <QLocale>

namespace tessaly {

namespace {

QString number(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

// "line 4" and "lines 4-51".
QString lineSpan(int first, int last)
{
    return first == last ? QStringLiteral("line %1").arg(number(first))
                         : QStringLiteral("lines %1-%2").arg(number(first), number(last));
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

QString rowsNamed(const std::vector<int> &list)
{
    if (list.size() == 1)
        return QStringLiteral("row %1").arg(list.front());
    QString runs = rowList(list);
    // rowList parts its runs with ", " and ends a list it cuts with " and n more" itself.
    if (!runs.contains(QStringLiteral(" and "))) {
        const qsizetype last = runs.lastIndexOf(QStringLiteral(", "));
        if (last >= 0)
            runs.replace(last, 2, QStringLiteral(" and "));
    }
    return QStringLiteral("rows ") + runs;
}

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

QString nulBytesReason(int line)
{
    return QStringLiteral("it holds NUL bytes, the first on line %1, which a spreadsheet never "
                          "writes into its text: the file was damaged on the way. Save the "
                          "spreadsheet again as \"CSV UTF-8\" or \"CSV\" and import that file")
        .arg(number(line));
}

QString sheetUnreadableMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Tessaly could not import %1: %2.\n\nNothing was added to the roll.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString noDataRowsMessage(const QString &path)
{
    return QStringLiteral("%1 has no rows below its first row, which names the columns.\n\n"
                          "Nothing was added to the roll.")
        .arg(QDir::toNativeSeparators(path));
}

QString headerQuoteNeverClosedReason(int line)
{
    return QStringLiteral("its first row, which names the columns, opens a quote on line %1 "
                          "that is never closed, so the rest of the file was read as one "
                          "value. Close the quote in the spreadsheet and import again")
        .arg(number(line));
}

QString headerMisplacedQuoteReason(int lastRow)
{
    return QStringLiteral("a quote in its first row, which names the columns, closes in row %1 "
                          "with more of the value after it, so the columns cannot be told "
                          "apart. Put the quote right in the spreadsheet and import again")
        .arg(number(lastRow));
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
            lines << QStringLiteral("%1 already on the roll (%2)")
                         .arg(count(tally.duplicates), rowsNamed(tally.duplicates));
        if (!tally.unencodable.empty())
            lines << QStringLiteral("%1 with characters AddrClub.dat cannot hold (%2)")
                         .arg(count(tally.unencodable), rowsNamed(tally.unencodable));
        if (!tally.empty.empty())
            lines << QStringLiteral("%1 empty in every imported column (%2)")
                         .arg(count(tally.empty), rowsNamed(tally.empty));
        if (!tally.quoteNeverClosed.empty())
            lines << QStringLiteral("%1 whose quote is never closed, the rest of the file read "
                                    "into it (%2)")
                         .arg(count(tally.quoteNeverClosed), rowsNamed(tally.quoteNeverClosed));
        if (!tally.tooLong.empty())
            lines << QStringLiteral("%1 with a value longer than %2 characters (%3)")
                         .arg(count(tally.tooLong), number(kLongestImportedValue),
                              rowsNamed(tally.tooLong));
    }
    if (!tally.replacedAdded.empty() || !tally.keptAsText.empty())
        lines << QString();
    if (!tally.replacedAdded.empty())
        lines << QStringLiteral("Added with characters replaced: %1")
                     .arg(rowsNamed(tally.replacedAdded));
    if (!tally.keptAsText.empty())
        lines << QStringLiteral("Added with a date or yes/no value kept as written: %1")
                     .arg(rowsNamed(tally.keptAsText));
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
    if (!tally.quoteNeverClosed.empty())
        parts << QStringLiteral("%1 with a quote never closed")
                     .arg(number(static_cast<int>(tally.quoteNeverClosed.size())));
    if (!tally.tooLong.empty())
        parts << QStringLiteral("%1 with a value too long")
                     .arg(number(static_cast<int>(tally.tooLong.size())));
    if (!tally.keptAsText.empty())
        parts << QStringLiteral("%1 with a date or yes/no value kept as written")
                     .arg(number(static_cast<int>(tally.keptAsText.size())));
    QString text = parts.join(QStringLiteral("; ")) + u'.';
    if (tally.added > room)
        text += QStringLiteral(" The roll has room for %1 more.").arg(members(room));
    return text;
}

QString quoteNeverClosedText(int sheetRow, int line, int lastLine)
{
    return QStringLiteral("Row %1 opens a quote on line %2 of the file that is never closed, "
                          "so the rest of the file (%3) was read as one value. Close the quote "
                          "in the spreadsheet and import again.")
        .arg(number(sheetRow), number(line), lineSpan(line, lastLine));
}

QString misplacedQuotesText(const std::vector<std::pair<int, int>> &spans)
{
    constexpr std::size_t kToldInFull = 3;
    QStringList told;
    std::vector<int> more;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto [first, last] = spans[i];
        if (i >= kToldInFull) {
            for (int row = first; row <= last; ++row)
                more.push_back(row);
        } else if (first == last) {
            told << QStringLiteral("Row %1: a quote in it closes with more of the value after "
                                   "it, so the row is left out.")
                        .arg(number(first));
        } else {
            told << QStringLiteral("Rows %1 to %2: a quote opened in row %1 closes in row %2 "
                                   "with more of the value after it, so these rows were read as "
                                   "one value and are left out.")
                        .arg(number(first), number(last));
        }
    }
    if (!more.empty())
        told << QStringLiteral("Rows %1 are left out for a quote out of place as well.")
                    .arg(rowList(more));
    told << QStringLiteral("Put the quotes right in the spreadsheet and import those rows again.");
    return told.join(u' ');
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

QString tooLongTip(qsizetype length)
{
    return QStringLiteral("%1 characters, more than the %2 the roll takes in a value; the row is "
                          "left out. Set the column to \"(not imported)\" to add the row "
                          "without it.")
        .arg(number(length), number(kLongestImportedValue));
}

QString quoteNeverClosedTip(int line, int lastLine)
{
    return QStringLiteral("The quote that opens this value on line %1 is never closed: the "
                          "rest of the file (%2) was read into it.")
        .arg(number(line), lineSpan(line, lastLine));
}

} // namespace tessaly
