#pragma once

#include "core/member_record.h"
#include "report/report_columns.h"

#include <QString>

#include <array>

namespace tessaly {

// One line of the report: the cell texts in display order (kReportColumns), not in the
// record's field order.
struct ReportRow {
    std::array<QString, kReportColumnCount> cells;
};

// The text the report shows for a record in a column (0 to kReportColumnCount - 1).
// Address shows every CR LF pair as ", " and Other as one blank, so that a multi-line
// field stays on its line; a lone CR or LF is kept. Every other field is shown as stored.
QString reportCell(const MemberRecord &record, int column);

ReportRow reportRow(const MemberRecord &record);

} // namespace tessaly
