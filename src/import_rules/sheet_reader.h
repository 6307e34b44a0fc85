#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly {

// A spreadsheet saved as comma-, semicolon- or tab-separated text.

enum class SheetEncoding { Utf8, Windows1252 };
enum class SheetSeparator { Comma, Semicolon, Tab };

QChar separatorChar(SheetSeparator separator);

// UTF-8 when the bytes carry its byte-order mark or read as UTF-8 without a fault;
// Windows-1252 otherwise, which any byte sequence is.
SheetEncoding detectEncoding(QByteArrayView bytes);

// The text of the bytes, without a UTF-8 byte-order mark. Bytes that are not UTF-8
// when read as such become U+FFFD, which the roll cannot hold and the import reports.
QString decodeSheet(QByteArrayView bytes, SheetEncoding encoding);

// The separator that splits the first rows into the same number of columns, more
// than one; a comma when none does.
SheetSeparator detectSeparator(QStringView text);

// A double quote that opens a cell and is never closed: every character after it,
// line breaks and separators included, went into that one cell, which is the last
// cell of the last row.
struct UnclosedQuote {
    qsizetype row = 0;    // in SheetRows::rows, from 0
    int number = 0;       // of that row as a spreadsheet shows it, from 1
    qsizetype column = 0; // in that row, from 0
    qsizetype offset = 0; // of the quote in the text
    int line = 0;         // of the text, from 1, where the quote stands
    int lastLine = 0;     // of the text: the last line read into the cell
};

// A double quote that opens a value and closes with more than a separator or a line end after
// it: a quote out of place, that read everything up to the next quote as one value, separators
// and line breaks included. The rows it spans are left out; reading starts again on the line
// after the one where it closed.
struct MisplacedQuote {
    int firstRow = 0; // as a spreadsheet numbers rows, from 1: the row the quote opened in
    int lastRow = 0;  // the row it closed in, each line it ran over counted as a row
    int line = 0;     // of the text, from 1, where the quote stands
    int lastLine = 0; // of the text, where it closed
};

// The cells of a sheet, held once: their text one after another in one string, where each
// cell ends in it, and where each row starts among the cells. A sheet as large as the
// import takes would need many times its size as a list of strings a cell.
class SheetTable {
  public:
    SheetTable() = default;
    explicit SheetTable(const std::vector<QStringList> &rows);

    std::size_t size() const { return rowStarts_.size(); }
    bool empty() const { return rowStarts_.empty(); }
    qsizetype cellCount(std::size_t row) const;
    // Empty past the end of the row.
    QStringView cell(std::size_t row, qsizetype column) const;
    QStringList cells(std::size_t row) const;
    std::vector<QStringList> toLists() const;

    // The first row, taken out of the table.
    QStringList takeFirstRow();

  private:
    friend class SheetTableWriter;

    QString text_;
    std::vector<std::uint32_t> cellEnds_;  // in text_; a cell starts where the one before ends
    std::vector<std::uint32_t> rowStarts_; // in cellEnds_
};

struct SheetRows {
    SheetTable rows;
    // Of each row, its number as a spreadsheet shows it (from 1): the blank rows left out
    // above it still count, so that a message naming a row names the one the operator sees.
    std::vector<int> numbers;
    std::optional<UnclosedQuote> unclosedQuote;
    std::vector<MisplacedQuote> misplacedQuotes; // in the order of the text
};

// The rows of the sheet, cells as written. A cell in double quotes may hold the
// separator, line breaks and doubled quotes (one quote each); blanks after its closing
// quote are dropped, and anything else there makes it a quote out of place. Rows may
// differ in length. Rows whose cells are all blank are not
// rows of the sheet, bar the one a quote never closed swallows, so that it is shown.
// CR LF, LF and a lone CR each end a line.
// The text becomes the table's own: the cells are written over it as it is read.
SheetRows readSheet(QString text, QChar separator);

// The rows alone, for callers that do not report a quote never closed.
std::vector<QStringList> readSheetRows(QStringView text, QChar separator);

} // namespace tessaly
