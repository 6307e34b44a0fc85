#include "report_rules/report_rows.h"

#include "core/member_table.h"

#include <QtGlobal>

namespace tessaly {

namespace {

// A column outside the report is a programming error. Debug builds stop at it; release
// builds show it as an empty cell rather than read past the column table.
const ReportColumn *columnAt(int column)
{
    Q_ASSERT_X(column >= 0 && column < kReportColumnCount, "report", "column out of range");
    if (column < 0 || column >= kReportColumnCount)
        return nullptr;
    return &kReportColumns[static_cast<std::size_t>(column)];
}

} // namespace

QString reportCell(const MemberRecord &record, int column)
{
    const ReportColumn *shown = columnAt(column);
    if (!shown)
        return {};
    return memberTableCell(record, shown->field);
}

ReportRow reportRow(const MemberRecord &record)
{
    ReportRow row;
    for (int column = 0; column < kReportColumnCount; ++column)
        row.cells[static_cast<std::size_t>(column)] = reportCell(record, column);
    return row;
}

} // namespace tessaly
