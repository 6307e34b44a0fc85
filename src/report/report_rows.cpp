#include "report/report_rows.h"

#include <QtGlobal>

namespace tessaly {

namespace {

constexpr QStringView kCrLf = u"\r\n";

// What a CR LF pair in the field becomes on its one report line; empty for fields
// shown exactly as stored.
QStringView lineBreakReplacement(Field field)
{
    switch (field) {
    case Field::Address:
        return u", ";
    case Field::Other:
        return u" ";
    default:
        return {};
    }
}

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
    const QString &stored = record[shown->field];
    // Most fields, and most addresses, need no conversion; handing back the stored text
    // shares it instead of copying, which matters when a view asks for every cell.
    if (lineBreakReplacement(shown->field).isEmpty() || !stored.contains(kCrLf))
        return stored;
    // The replacement holds neither CR nor LF, so replacing every pair at once gives the
    // same text as replacing the first one and searching again from the start.
    const QStringView replacement = lineBreakReplacement(shown->field);
    QString cell = stored;
    cell.replace(kCrLf.data(), kCrLf.size(), replacement.data(), replacement.size());
    return cell;
}

ReportRow reportRow(const MemberRecord &record)
{
    ReportRow row;
    for (int column = 0; column < kReportColumnCount; ++column)
        row.cells[static_cast<std::size_t>(column)] = reportCell(record, column);
    return row;
}

} // namespace tessaly
