#pragma once

#include "core/member_record.h"
#include "core/member_store.h"
#include "import/column_matching.h"

#include <QDate>
#include <QStringList>

#include <vector>

namespace tessaly {

// One row of the sheet as it would come onto the roll.
struct PlannedRow {
    int sheetRow = 0; // as the spreadsheet counts rows: the header is row 1
    MemberRecord member;
    int duplicateOfMember = 0;     // the record number on the roll it matches
    int duplicateOfRow = 0;        // an earlier row of the sheet it matches
    std::vector<Field> replaced;   // characters Windows-1252 cannot hold were replaced
    std::vector<Field> keptAsText; // dates and flags that could not be read
    bool empty = false;            // nothing in the imported columns

    bool duplicate() const { return duplicateOfMember > 0 || duplicateOfRow > 0; }
};

// The operator's ticks: rows shown as duplicates, or with replaced characters, go
// in only when ticked in.
struct ImportChoices {
    bool addDuplicates = false;
    bool acceptReplacements = false;
};

enum class LeftOut { No, Empty, Duplicate, Unencodable };

struct ImportPlan {
    std::vector<PlannedRow> rows;

    LeftOut leftOut(const PlannedRow &row, const ImportChoices &choices) const;
    std::vector<MemberRecord> membersToAdd(const ImportChoices &choices) const;
};

// The data rows (the header row not among them) as members, each value fixed and
// each row held against the roll and the rows above it.
ImportPlan planImport(const std::vector<QStringList> &dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today);

// What an import adds and leaves out, by reason, with the sheet's row numbers.
struct ImportTally {
    int added = 0;
    std::vector<int> empty;
    std::vector<int> duplicates;
    std::vector<int> unencodable;
    std::vector<int> replacedAdded; // added with their replacement accepted
    std::vector<int> keptAsText;    // added, a date or flag kept as written

    int leftOut() const
    {
        return static_cast<int>(empty.size() + duplicates.size() + unencodable.size());
    }
};

ImportTally tallyImport(const ImportPlan &plan, const ImportChoices &choices);

// "2-5, 9, 12" and, past the first ten runs, "and 7 more".
QString rowList(const std::vector<int> &rows);

} // namespace tessaly
