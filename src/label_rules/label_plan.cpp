#include "label_rules/label_plan.h"

#include "core/member_lines.h"
#include "label_rules/label_households.h"
#include "label_rules/label_request.h"
#include "label_rules/whole_number.h"

#include <algorithm>

namespace tessaly {

QStringList labelLines(const MemberRecord &member)
{
    QStringList lines;
    const QString &call = member[Field::Call];
    if (!call.isEmpty())
        lines.append(QStringLiteral("ARS ") + call);
    lines.append(nameLine(member, {NameOrder::GivenFirst, NameSeparators::AfterPresent}));
    lines.append(addressLines(member[Field::Address], AddressBreaks::EndLines));
    lines.append(townLine(member, TownSpacing::AsStored));
    return lines;
}

// The layout, row by row: the row start i steps by the column count while
// i <= N + startColumn - 1, and position k = i + c - startColumn goes to column c.
// Safe for requests that did not pass the check: a column count below 1 (the row start
// would never advance) or a start column outside 1 to the column count (it would reach
// list positions below 1) gives an empty plan. A row count below 1 is harmless:
// every row then begins a page. A listed record number outside the roll (a listing left
// over after the roll shrank) leaves its place on the sheet blank.
LabelPlan planLabels(const MemberStore &store, const std::vector<int> &listed,
                     const LabelLayout &layout, int startRow, int startColumn,
                     LabelGrouping grouping)
{
    LabelPlan plan;
    const int rows = wholeNumber(layout.rowsPerPage);
    const int columns = wholeNumber(layout.columnsPerPage);
    if (columns < 1 || startColumn < 1 || startColumn > columns)
        return plan;

    const Inches top = Inches::typed(layout.topMargin);
    const Inches left = Inches::typed(layout.leftMargin);
    const Inches height = Inches::typed(layout.labelHeight);
    const Inches width = Inches::typed(layout.labelWidth);

    // With households, the labels are the groups, each at the list position of its first.
    std::vector<LabelGroup> groups;
    if (grouping == LabelGrouping::PerHousehold)
        groups = householdsOf(store, listed);
    const bool grouped = grouping == LabelGrouping::PerHousehold;
    std::vector<const MemberRecord *> members;

    // 64 bits: N + startColumn and the row start stepping past it stay far from overflow.
    const long long count = static_cast<long long>(grouped ? groups.size() : listed.size());
    const long long lastStart = count + startColumn - 1;
    long long row = static_cast<long long>(startRow) - 1;
    int page = 1;
    plan.labels.reserve(static_cast<std::size_t>(count));
    for (long long i = 1; i <= lastStart; i += columns) {
        ++row;
        if (row > rows) {
            row = 1;
            ++page;
        }
        const long long firstColumn = i == 1 ? startColumn : 1;
        const long long lastColumn = std::min<long long>(columns, count + startColumn - i);
        for (long long c = firstColumn; c <= lastColumn; ++c) {
            const long long k = i + c - startColumn;
            const auto slot = static_cast<std::size_t>(k - 1);
            const int record = grouped ? groups[slot].records.front() : listed[slot];
            if (record < 1 || record > store.count())
                continue;
            PlannedLabel label;
            label.listPosition = grouped ? groups[slot].listPosition : static_cast<int>(k);
            label.page = page;
            label.row = static_cast<int>(row);
            label.column = static_cast<int>(c);
            label.x = left + width * static_cast<double>(c - 1);
            label.y = top + height * static_cast<double>(row - 1);
            if (grouped) {
                members.clear();
                for (const int member : groups[slot].records)
                    members.push_back(&store.record(member));
                label.lines = householdLines(members);
            } else {
                label.lines = labelLines(store.record(record));
            }
            plan.labels.push_back(std::move(label));
        }
    }
    if (!plan.labels.empty())
        plan.pages = plan.labels.back().page;
    return plan;
}

std::vector<InchRect> sheetCells(const LabelLayout &layout, Inches labelWidth, Inches labelHeight)
{
    const int rows = wholeNumber(layout.rowsPerPage);
    const int columns = wholeNumber(layout.columnsPerPage);
    std::vector<InchRect> cells;
    if (rows < 1 || columns < 1 || rows > LabelLimits::kMaxRows ||
        columns > LabelLimits::kMaxColumns)
        return cells;
    const Inches top = Inches::typed(layout.topMargin);
    const Inches left = Inches::typed(layout.leftMargin);
    const Inches height = Inches::typed(layout.labelHeight);
    const Inches width = Inches::typed(layout.labelWidth);
    cells.reserve(static_cast<std::size_t>(rows * columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            cells.push_back({left + width * column, top + height * row, labelWidth, labelHeight});
    }
    return cells;
}

} // namespace tessaly
