// Whatever text a spreadsheet file holds, the import's reader makes rows of it that
// keep their promises: no cell holds more than the text, a quote left open is
// reported exactly when the text ends inside one, and the rows written back as plain
// CSV read again as the same cells.
#include "import_rules/sheet_reader.h"

#include "fuzz_check.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {

using namespace tessaly;

bool blank(const QStringList &row)
{
    return std::all_of(row.begin(), row.end(),
                       [](const QString &c) { return c.trimmed().isEmpty(); });
}

// Every cell in quotes, quotes doubled: the way a spreadsheet saves a value that holds
// the separator, a quote or a line break.
QString writeSheet(std::vector<QStringList> rows, QChar separator)
{
    QString text;
    for (QStringList &row : rows) {
        for (QString &cell : row)
            cell = u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
        text += row.join(separator) + QStringLiteral("\r\n");
    }
    return text;
}

// CR LF, a lone CR and a lone LF each end a line.
int lineEnds(const QString &text)
{
    return int(text.count(u'\n') + text.count(u'\r') - text.count(QStringLiteral("\r\n")));
}

void checkSheet(const QString &text, QChar separator)
{
    const SheetRows sheet = readSheet(text, separator);
    const std::vector<QStringList> read = sheet.rows.toLists();
    qsizetype characters = 0;
    for (std::size_t r = 0; r < read.size(); ++r) {
        const QStringList &row = read[r];
        fuzzCheck(!row.isEmpty(), "every row has a cell");
        const bool unclosedRow =
            sheet.unclosedQuote && sheet.unclosedQuote->row == static_cast<qsizetype>(r);
        fuzzCheck(unclosedRow || !blank(row), "a blank row is left out");
        for (const QString &cell : row)
            characters += cell.size();
    }
    fuzzCheck(characters <= text.size(), "the cells hold no more than the text");

    // Rows read and rows a misplaced quote ran over take their numbers in turn, never twice.
    fuzzCheck(sheet.numbers.size() == read.size(), "every row has its number");
    std::vector<std::pair<int, int>> taken;
    for (const int number : sheet.numbers)
        taken.emplace_back(number, number);
    for (const MisplacedQuote &quote : sheet.misplacedQuotes) {
        fuzzCheck(quote.firstRow <= quote.lastRow && quote.line <= quote.lastLine &&
                      quote.lastLine <= lineEnds(text) + 1,
                  "a misplaced quote spans rows and lines of the text");
        fuzzCheck(quote.lastRow - quote.firstRow < quote.lastLine,
                  "a misplaced quote spans no more rows than the lines up to its close");
        taken.emplace_back(quote.firstRow, quote.lastRow);
    }
    std::sort(taken.begin(), taken.end());
    for (std::size_t i = 1; i < taken.size(); ++i)
        fuzzCheck(taken[i].first > taken[i - 1].second, "no row number is taken twice");

    // Text that follows on a line of its own is a row of its own, unless a quote is open.
    const SheetRows extended = readSheet(text + QStringLiteral("\nzz"), separator);
    const bool newRow =
        extended.rows.size() == read.size() + 1 &&
        extended.rows.cells(extended.rows.size() - 1) == QStringList{QStringLiteral("zz")};
    fuzzCheck(sheet.unclosedQuote.has_value() != newRow,
              "a quote left open is reported exactly when the text ends inside it");

    if (const std::optional<UnclosedQuote> &open = sheet.unclosedQuote) {
        fuzzCheck(open->row + 1 == static_cast<qsizetype>(read.size()),
                  "the quote left open is in the last row");
        fuzzCheck(open->column + 1 == read.back().size(),
                  "the quote left open is in the last cell of its row");
        fuzzCheck(open->offset < text.size() && text[open->offset] == u'"',
                  "the quote left open is reported where it stands");
        const int lines = lineEnds(text.left(open->offset)) + 1;
        fuzzCheck(open->line == lines, "the quote left open is on the line reported");
        fuzzCheck(open->line <= open->lastLine && open->lastLine <= lineEnds(text) + 1,
                  "the lines read into the open quote are lines of the text");
        // Closing it reads the same cells, and nothing is left open; a row of blanks
        // is then a blank row like any other.
        std::vector<QStringList> rows = read;
        if (blank(rows.back()))
            rows.pop_back();
        const SheetRows closed = readSheet(text + u'"', separator);
        fuzzCheck(!closed.unclosedQuote && closed.rows.toLists() == rows,
                  "closing the open quote changes no cell");
    }

    std::vector<QStringList> kept;
    std::copy_if(read.begin(), read.end(), std::back_inserter(kept),
                 [](const QStringList &row) { return !blank(row); });
    const SheetRows again = readSheet(writeSheet(kept, separator), separator);
    fuzzCheck(!again.unclosedQuote, "a written sheet leaves no quote open");
    fuzzCheck(again.rows.toLists() == kept, "a written sheet reads back as the same cells");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = decodeSheet(bytes, detectEncoding(bytes));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        fuzzCheck(text == decodeSheet(bytes.mid(3), SheetEncoding::Utf8),
                  "the byte-order mark is not read as text");
    // Whatever it finds is one of the three the import offers; run it for the sanitizers.
    detectSeparator(text);
    for (const SheetSeparator separator :
         {SheetSeparator::Comma, SheetSeparator::Semicolon, SheetSeparator::Tab})
        checkSheet(text, separatorChar(separator));
    return 0;
}
