#include "import_rules/sheet_reader.h"

#include "core/text_codec.h"

#include <QStringDecoder>

#include <array>
#include <tuple>
#include <utility>

namespace tessaly {

namespace {

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

SheetTable::SheetTable(const std::vector<QStringList> &rows)
{
    for (const QStringList &row : rows) {
        rowStarts_.push_back(static_cast<std::uint32_t>(cellEnds_.size()));
        for (const QString &cell : row) {
            text_ += cell;
            cellEnds_.push_back(static_cast<std::uint32_t>(text_.size()));
        }
    }
}

qsizetype SheetTable::cellCount(std::size_t row) const
{
    const std::size_t end = row + 1 < rowStarts_.size() ? rowStarts_[row + 1] : cellEnds_.size();
    return static_cast<qsizetype>(end - rowStarts_[row]);
}

QStringView SheetTable::cell(std::size_t row, qsizetype column) const
{
    if (column < 0 || column >= cellCount(row))
        return {};
    const std::size_t k = rowStarts_[row] + static_cast<std::size_t>(column);
    const std::uint32_t start = k == 0 ? 0 : cellEnds_[k - 1];
    return QStringView(text_).mid(start, cellEnds_[k] - start);
}

QStringList SheetTable::cells(std::size_t row) const
{
    QStringList list;
    const qsizetype count = cellCount(row);
    list.reserve(count);
    for (qsizetype column = 0; column < count; ++column)
        list << cell(row, column).toString();
    return list;
}

std::vector<QStringList> SheetTable::toLists() const
{
    std::vector<QStringList> lists;
    lists.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        lists.push_back(cells(row));
    return lists;
}

QStringList SheetTable::takeFirstRow()
{
    if (empty())
        return {};
    QStringList first = cells(0);
    rowStarts_.erase(rowStarts_.begin());
    return first;
}

// Writes the cells over the text they are read from. A cell never takes more characters
// than were read for it, so the writing never overtakes the reading; a row left out gives
// its room back.
class SheetTableWriter {
  public:
    SheetTableWriter(SheetTable &table, QString text) : table_(table)
    {
        table_.text_ = std::move(text);
        data_ = table_.text_.data();
    }

    QStringView text() const { return table_.text_; }
    void append(QChar c)
    {
        data_[written_++] = c;
        rowHasText_ = rowHasText_ || !c.isSpace();
    }
    // Drops what the cell holds so far.
    void restartCell() { written_ = cellStart(); }
    bool cellEmpty() const { return written_ == cellStart(); }
    qsizetype cellsInRow() const
    {
        return static_cast<qsizetype>(table_.cellEnds_.size() - rowFirstCell_);
    }
    void endCell() { table_.cellEnds_.push_back(static_cast<std::uint32_t>(written_)); }
    // A row of blanks only is left out, unless kept.
    void endRow(bool keep)
    {
        if (keep || rowHasText_) {
            table_.rowStarts_.push_back(static_cast<std::uint32_t>(rowFirstCell_));
        } else {
            table_.cellEnds_.resize(rowFirstCell_);
            written_ = cellStart();
        }
        rowFirstCell_ = table_.cellEnds_.size();
        rowHasText_ = false;
    }
    void dropRow()
    {
        table_.cellEnds_.resize(rowFirstCell_);
        written_ = cellStart();
        rowHasText_ = false;
    }
    // The room the cells do not take is given back.
    void finish()
    {
        table_.text_.truncate(written_);
        table_.text_.squeeze();
        table_.cellEnds_.shrink_to_fit();
        table_.rowStarts_.shrink_to_fit();
    }

  private:
    qsizetype cellStart() const { return table_.cellEnds_.empty() ? 0 : table_.cellEnds_.back(); }

    SheetTable &table_;
    QChar *data_ = nullptr;
    qsizetype written_ = 0;
    std::size_t rowFirstCell_ = 0;
    bool rowHasText_ = false;
};

SheetRows readSheet(QString text, QChar separator)
{
    SheetRows sheet;
    const qsizetype n = text.size();
    SheetTableWriter cells(sheet.rows, std::move(text));
    // The reading goes on over the text the table now owns, ahead of the writing.
    const QStringView in = cells.text();
    bool inQuotes = false;
    bool cellQuoted = false;
    bool cellBlank = true; // so far: judged once a character, not by scanning the cell
    bool afterClosingQuote = false;
    int line = 1;
    int rowLine = 1; // where the row being read began
    int number = 0;
    UnclosedQuote opened;
    auto endCell = [&] {
        cells.endCell();
        cellQuoted = false;
        cellBlank = true;
        afterClosingQuote = false;
    };
    auto endRow = [&](bool keep) {
        endCell();
        ++number;
        const std::size_t before = sheet.rows.size();
        cells.endRow(keep);
        if (sheet.rows.size() > before)
            sheet.numbers.push_back(number);
    };
    // CR LF ends its line at the LF.
    const auto endsLineAt = [&](qsizetype i) {
        return in[i] == u'\n' || (in[i] == u'\r' && (i + 1 == n || in[i + 1] != u'\n'));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        const bool endsLine = endsLineAt(i);
        if (afterClosingQuote && c != separator && !endsLine && c != u'\r' && c != u' ') {
            // The rest of this line is no guide to where the next value starts.
            while (i + 1 < n && !endsLineAt(i))
                ++i;
            sheet.misplacedQuotes.push_back(
                {number + 1, number + 1 + line - rowLine, opened.line, line});
            number += 1 + line - rowLine;
            cells.dropRow();
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
                cells.append(c);
            } else if (i + 1 < n && in[i + 1] == u'"') {
                cells.append(c);
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
            cells.restartCell();
            inQuotes = true;
            cellQuoted = true;
            opened.offset = i;
            opened.line = line;
            opened.column = cells.cellsInRow();
        } else {
            cells.append(c);
            cellBlank = cellBlank && c.isSpace();
        }
        if (endsLine && i + 1 < n)
            ++line;
        if (endsLine && !inQuotes)
            rowLine = line;
    }
    if (inQuotes) {
        opened.row = static_cast<qsizetype>(sheet.rows.size());
        opened.number = number + 1;
        opened.lastLine = line;
        sheet.unclosedQuote = opened;
        endRow(true);
    } else if (!cells.cellEmpty() || cellQuoted || cells.cellsInRow() > 0) {
        endRow(false);
    }
    cells.finish();
    return sheet;
}

std::vector<QStringList> readSheetRows(QStringView text, QChar separator)
{
    return readSheet(text.toString(), separator).rows.toLists();
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
        const SheetTable rows = readSheet(sample.toString(), separatorChar(candidate)).rows;
        if (rows.empty() || rows.cellCount(0) < 2)
            continue;
        const qsizetype columns = rows.cellCount(0);
        int alike = 0;
        for (std::size_t row = 0; row < rows.size(); ++row)
            alike += rows.cellCount(row) == columns ? 1 : 0;
        const std::tuple<int, qsizetype> score{alike, columns};
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

} // namespace tessaly
