#pragma once

#include "core/member_record.h"
#include "report_rules/report_columns.h"

#include <QString>

#include <array>

namespace tessaly {

// One line of the report: the cell texts in display order (kReportColumns), not in the
// record's field order.
struct ReportRow {
    std::array<QString, kReportColumnCount> cells;
};

// The text the report shows for a record in a column (0 to kReportColumnCount - 1): the
// column's field as every table shows it (memberTableCell), so that the copied report holds
// exactly the cells on screen.
QString reportCell(const MemberRecord &record, int column);

ReportRow reportRow(const MemberRecord &record);

} // namespace tessaly
