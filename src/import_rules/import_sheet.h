#pragma once

#include "core/member_store.h"
#include "import_rules/column_matching.h"
#include "import_rules/import_plan.h"
#include "import_rules/sheet_reader.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tessaly {

// One spreadsheet on its way onto the roll, as the operator shapes it: the file's
// bytes read with an encoding and a separator, the header row and the data rows below
// it, the field each column fills, the operator's ticks, and the plan of every row
// held against the roll. Each change plans the rows again; nothing reaches the roll
// from here, the caller adds membersToAdd() when the operator confirms.
class ImportSheet {
  public:
    // Reads bytes with the encoding and separator found in them. The rows are held
    // against roll, which must outlive the sheet, and dates read as of the day today()
    // gives each time the rows are planned: the dialog may stay open past midnight.
    ImportSheet(QByteArray bytes, const MemberStore &roll, std::function<QDate()> today);

    // Reads the bytes again as the operator says they are written; the columns are
    // matched afresh by their headers.
    void read(SheetEncoding encoding, SheetSeparator separator);
    // The operator's field for column (from 0); nullopt leaves the column out. A
    // field another column had moves here.
    void matchColumn(int column, std::optional<Field> field);
    // Ticks rows shown as duplicates, or with replaced characters, in or out.
    void setChoices(ImportChoices choices);

    SheetEncoding encoding() const { return encoding_; }
    SheetSeparator separator() const { return separator_; }
    // The first row of the sheet, which names the columns.
    const QStringList &headers() const { return headers_; }
    // The rows below it, cells as written.
    const SheetTable &dataRows() const { return *dataRows_; }
    bool hasDataRows() const { return !dataRows_->empty(); }
    // In the rows read, the header among them (row 0).
    const std::optional<UnclosedQuote> &unclosedQuote() const { return unclosedQuote_; }
    // The rows left out below the header for a quote out of place.
    const std::vector<MisplacedQuote> &misplacedQuotes() const { return misplacedQuotes_; }
    // A quote out of place that took the header row: there is no header, and no data rows.
    const std::optional<MisplacedQuote> &headerMisplacedQuote() const
    {
        return headerMisplacedQuote_;
    }
    // One for each column of the widest row.
    const ColumnMatches &matches() const { return matches_; }
    bool anyColumnImported() const;
    const ImportPlan &plan() const { return plan_; }
    ImportChoices choices() const { return choices_; }

    // Rows that only a tick brings in: duplicates, and rows with replaced characters.
    int duplicateRows() const;
    int replacedRows() const;
    ImportTally tally() const { return tallyImport(plan_, choices_); }
    // What OK would add, in the sheet's order.
    std::vector<MemberRecord> membersToAdd() const { return plan_.membersToAdd(choices_); }
    // The text below the preview; room: how many more members the roll takes.
    QString summary(int room) const;
    // What the operator is told once the rows are added.
    QString resultMessage(const QString &fileName) const;

  private:
    void readText(QString text);
    void replan();
    std::vector<std::pair<int, int>> misplacedSpans() const;

    QByteArray bytes_;
    const MemberStore &roll_;
    std::function<QDate()> today_;
    SheetEncoding encoding_ = SheetEncoding::Utf8;
    SheetSeparator separator_ = SheetSeparator::Comma;
    QStringList headers_;
    std::shared_ptr<const SheetTable> dataRows_ = std::make_shared<const SheetTable>();
    std::vector<int> dataRowNumbers_; // as the spreadsheet numbers them
    std::optional<UnclosedQuote> unclosedQuote_;
    std::vector<MisplacedQuote> misplacedQuotes_;
    std::optional<MisplacedQuote> headerMisplacedQuote_;
    ColumnMatches matches_;
    ImportChoices choices_;
    ImportPlan plan_;
};

} // namespace tessaly
