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

// Writes reportCell(record, column) at out and returns the end of what it wrote. A cell
// is never longer than the field it shows, so room for the stored text is enough; this
// lets a whole table go into one buffer sized once.
QChar *writeReportCell(QChar *out, const MemberRecord &record, int column);

} // namespace tessaly
