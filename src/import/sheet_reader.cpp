#include "import/sheet_reader.h"

#include "core/text_codec.h"

#include <QStringDecoder>

#include <array>
#include <tuple>

namespace tessaly {

namespace {

bool allBlank(const QStringList &row)
{
    for (const QString &cell : row) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

// The start of the text, enough to judge a sheet by its first rows.
constexpr qsizetype kSampleChars = 64 * 1024;

} // namespace

QChar separatorChar(SheetSeparator separator)
{
    switch (separator) {
    case SheetSeparator::Semicolon:
        return u';';
    case SheetSeparator::Tab:
        return u'\t';
    case SheetSeparator::Comma:
        break;
    }
    return u',';
}

SheetEncoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return SheetEncoding::Utf8;
    return utf8Shape(bytes) == Utf8Shape::Invalid ? SheetEncoding::Windows1252
                                                  : SheetEncoding::Utf8;
}

QString decodeSheet(QByteArrayView bytes, SheetEncoding encoding)
{
    if (encoding == SheetEncoding::Windows1252)
        return decodeWindows1252(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

SheetRows readSheet(QStringView text, QChar separator)
{
    SheetRows sheet;
    std::vector<QStringList> &rows = sheet.rows;
    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool cellQuoted = false;
    bool cellBlank = true; // so far: judged once a character, not by scanning the cell
    bool afterClosingQuote = false;
    int line = 1;
    int rowLine = 1; // where the row being read began
    int number = 0;
    UnclosedQuote opened;
    auto endCell = [&] {
        row.append(cell);
        cell.clear();
        cellQuoted = false;
        cellBlank = true;
        afterClosingQuote = false;
    };
    auto endRow = [&](bool keep) {
        endCell();
        ++number;
        if (keep || !allBlank(row)) {
            rows.push_back(row);
            sheet.numbers.push_back(number);
        }
        row.clear();
    };
    const qsizetype n = text.size();
    // CR LF ends its line at the LF.
    const auto endsLineAt = [&](qsizetype i) {
        return text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == n || text[i + 1] != u'\n'));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const bool endsLine = endsLineAt(i);
        if (afterClosingQuote && c != separator && !endsLine && c != u'\r' && c != u' ') {
            // The rest of this line is no guide to where the next value starts.
            while (i + 1 < n && !endsLineAt(i))
                ++i;
            sheet.misplacedQuotes.push_back(
                {number + 1, number + 1 + line - rowLine, opened.line, line});
            number += 1 + line - rowLine;
            row.clear();
            cell.clear();
            cellQuoted = false;
            cellBlank = true;
            afterClosingQuote = false;
            if (i + 1 < n)
                ++line;
            rowLine = line;
            continue;
        }
        if (inQuotes) {
            if (c != u'"') {
                cell.append(c);
            } else if (i + 1 < n && text[i + 1] == u'"') {
                cell.append(c);
                ++i;
            } else {
                inQuotes = false;
                afterClosingQuote = true;
            }
        } else if (c == separator) {
            endCell();
        } else if (endsLine) {
            endRow(false);
        } else if (c == u'\r' || afterClosingQuote) {
            // The CR of a CR LF, or a blank after a closing quote.
        } else if (c == u'"' && !cellQuoted && cellBlank) {
            // Blanks before an opening quote are the writer's, not the value's.
            cell.clear();
            inQuotes = true;
            cellQuoted = true;
            opened.offset = i;
            opened.line = line;
            opened.column = row.size();
        } else {
            cell.append(c);
            cellBlank = cellBlank && c.isSpace();
        }
        if (endsLine && i + 1 < n)
            ++line;
        if (endsLine && !inQuotes)
            rowLine = line;
    }
    if (inQuotes) {
        opened.row = static_cast<qsizetype>(rows.size());
        opened.number = number + 1;
        opened.lastLine = line;
        sheet.unclosedQuote = opened;
        endRow(true);
    } else if (!cell.isEmpty() || cellQuoted || !row.isEmpty()) {
        endRow(false);
    }
    return sheet;
}

std::vector<QStringList> readSheetRows(QStringView text, QChar separator)
{
    return readSheet(text, separator).rows;
}

SheetSeparator detectSeparator(QStringView text)
{
    QStringView sample = text.left(kSampleChars);
    if (sample.size() < text.size()) {
        // The last row of a cut sample is incomplete; judge by the whole ones.
        const qsizetype lastBreak = sample.lastIndexOf(u'\n');
        if (lastBreak > 0)
            sample = sample.left(lastBreak);
    }
    // Ties go to the separator least likely to stand inside a value.
    constexpr std::array<SheetSeparator, 3> candidates = {
        SheetSeparator::Tab, SheetSeparator::Semicolon, SheetSeparator::Comma};
    SheetSeparator best = SheetSeparator::Comma;
    std::tuple<int, qsizetype> bestScore{0, 0};
    for (const SheetSeparator candidate : candidates) {
        const std::vector<QStringList> rows = readSheetRows(sample, separatorChar(candidate));
        if (rows.empty() || rows.front().size() < 2)
            continue;
        const qsizetype columns = rows.front().size();
        int alike = 0;
        for (const QStringList &row : rows)
            alike += row.size() == columns ? 1 : 0;
        const std::tuple<int, qsizetype> score{alike, columns};
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

} // namespace tessaly
