#pragma once

#include "core/member_record.h"
#include "core/member_store.h"
#include "import_rules/column_matching.h"
#include "import_rules/sheet_reader.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace tessaly {

// Some of a member's fields, one bit each.
class FieldSet {
  public:
    FieldSet() = default;
    FieldSet(std::initializer_list<Field> fields)
    {
        for (const Field field : fields)
            insert(field);
    }
    void insert(Field field) { bits_ |= bit(field); }
    bool contains(Field field) const { return (bits_ & bit(field)) != 0; }
    bool empty() const { return bits_ == 0; }
    bool operator==(const FieldSet &other) const { return bits_ == other.bits_; }

  private:
    static std::uint32_t bit(Field field) { return std::uint32_t(1) << static_cast<int>(field); }
    std::uint32_t bits_ = 0;
};

// One row of the sheet as it would come onto the roll: what the plan found, not the
// member itself, which the plan makes again from the sheet when it is asked for it (a sheet
// of half a million rows would otherwise be held as many times its size).
struct PlannedRow {
    int sheetRow = 0;          // as the spreadsheet counts rows: the header is row 1
    int duplicateOfMember = 0; // the record number on the roll it matches
    int duplicateOfRow = 0;    // an earlier row of the sheet it matches
    FieldSet replaced;         // characters Windows-1252 cannot hold were replaced
    FieldSet keptAsText;       // dates and flags that could not be read
    FieldSet tooLong;          // longer than the roll holds a value
    bool empty = false;        // nothing in the imported columns
    // A quote in this column (of the sheet, from 0) is never closed, so the rest of the
    // file was read into it: what the row holds is not what the spreadsheet meant.
    int quoteNeverClosedColumn = -1;

    bool duplicate() const { return duplicateOfMember > 0 || duplicateOfRow > 0; }
    bool quoteNeverClosed() const { return quoteNeverClosedColumn >= 0; }
    // Left out whatever the operator ticks.
    bool barred() const { return quoteNeverClosed() || empty || !tooLong.empty(); }
};

// The longest value an imported cell may give a field: more than the roll's windows
// are made to show, and a cell this long is a sheet gone wrong rather than a member's
// notes. A row holding a longer one is left out unless its column is not imported.
constexpr qsizetype kLongestImportedValue = 65536;

// The operator's ticks: rows shown as duplicates, or with replaced characters, go
// in only when ticked in.
struct ImportChoices {
    bool addDuplicates = false;
    bool acceptReplacements = false;
};

enum class LeftOut { No, QuoteNeverClosed, Empty, TooLong, Duplicate, Unencodable };

// A quote never closed in one cell of the data rows: the row (from 0, in dataRows)
// and the column (from 0), and the lines of the file read into it.
struct UnclosedCell {
    std::size_t row = 0;
    int column = 0;
    int line = 0;
    int lastLine = 0;
};

struct ImportPlan {
    std::vector<PlannedRow> rows;
    std::optional<UnclosedCell> unclosedQuote;

    LeftOut leftOut(const PlannedRow &row, const ImportChoices &choices) const;
    // Row (from 0) as it would be stored, and one field of it.
    MemberRecord member(std::size_t row) const;
    QString value(std::size_t row, Field field) const;
    std::vector<MemberRecord> membersToAdd(const ImportChoices &choices) const;

    // What the members are made from again: the rows, the field of each column, and the day
    // the dates were read as of.
    std::shared_ptr<const SheetTable> dataRows;
    ColumnMatches matches;
    QDate today;
};

// The data rows (the header row not among them) as members, each value fixed and
// each row held against the roll and the rows above it. sheetRows gives each data row's
// number in the spreadsheet; without it they follow the header, from 2.
ImportPlan planImport(std::shared_ptr<const SheetTable> dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today,
                      std::optional<UnclosedCell> unclosedQuote = std::nullopt,
                      const std::vector<int> &sheetRows = {});
ImportPlan planImport(const std::vector<QStringList> &dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today,
                      std::optional<UnclosedCell> unclosedQuote = std::nullopt,
                      const std::vector<int> &sheetRows = {});

// What an import adds and leaves out, by reason, with the sheet's row numbers.
struct ImportTally {
    int added = 0;
    std::vector<int> empty;
    std::vector<int> duplicates;
    std::vector<int> unencodable;
    std::vector<int> quoteNeverClosed;
    std::vector<int> tooLong;
    std::vector<int> replacedAdded; // added with their replacement accepted
    std::vector<int> keptAsText;    // added, a date or flag kept as written

    int leftOut() const
    {
        return static_cast<int>(empty.size() + duplicates.size() + unencodable.size() +
                                quoteNeverClosed.size() + tooLong.size());
    }
};

ImportTally tallyImport(const ImportPlan &plan, const ImportChoices &choices);

// "2-5, 9, 12" and, past the first ten runs, "and 7 more".
QString rowList(const std::vector<int> &rows);

} // namespace tessaly
