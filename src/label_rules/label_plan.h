#pragma once

#include "core/member_store.h"
#include "label_rules/inches.h"
#include "label_rules/label_layout.h"

#include <QStringList>

#include <vector>

namespace tessaly {

// One label as it goes onto the sheet.
struct PlannedLabel {
    int listPosition = 0; // 1 = the first listed member
    int page = 1;         // 1 = the first page of the document
    int row = 1;          // on its page; may be 0 when the operator started at row 0
    int column = 1;
    Inches x;          // from the left of the printable area
    Inches y;          // from the top of the printable area
    QStringList lines; // top to bottom
};

// Which listed member goes on which page, row and column, where, and with which lines:
// everything a print run does, apart from the printer itself.
struct LabelPlan {
    std::vector<PlannedLabel> labels; // in printing order
    int pages = 0;                    // pages the document has; 0 when nothing is printed
};

// The lines of one member's label: "ARS " and the call sign (only with a call sign), the name
// line "First MI Last", each line of the address (a CR LF at its end opens no further line),
// and "City ST Zip".
QStringList labelLines(const MemberRecord &member);

// Which listed members share a label.
enum class LabelGrouping {
    PerMember,    // one label for each listed member
    PerHousehold, // one label for the members of one household (householdsOf)
};

// The plan for the listed records (in list order) on the layout, the first label at startRow,
// startColumn; a household's label takes the place of the first of its members, and the
// labels after it close up. The layout's counts are taken rounded down to whole numbers. The caller
// checks the request first (checkLabelRequest): a plan is made only for a request that passed. An
// unchecked request can neither hang it nor reach outside the list: a column count below 1, or a
// start column outside 1 to the column count, gives an empty plan.
LabelPlan planLabels(const MemberStore &store, const std::vector<int> &listed,
                     const LabelLayout &layout, int startRow, int startColumn,
                     LabelGrouping grouping = LabelGrouping::PerMember);

// Every label of one sheet of the layout, row by row, in inches from the same corner as the
// plan's positions: at each label's place, labelSize big (the label itself, or its pitches
// when its own size is not known). Empty for a sheet without rows or columns, or with more
// labels than a checked request allows.
std::vector<InchRect> sheetCells(const LabelLayout &layout, Inches labelWidth, Inches labelHeight);

} // namespace tessaly
