#include "report/report_rows.h"

#include <QtGlobal>

#include <algorithm>

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

QChar *copyText(QChar *out, QStringView text)
{
    return std::copy(text.begin(), text.end(), out);
}

// The replacement holds neither CR nor LF, so replacing one pair can never form a new
// one: a single pass from the left gives the same text as searching again from the
// start after every replacement.
QChar *copyJoined(QChar *out, QStringView text, QStringView replacement)
{
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(kCrLf); at >= 0; at = text.indexOf(kCrLf, start)) {
        out = copyText(out, text.mid(start, at - start));
        out = copyText(out, replacement);
        start = at + kCrLf.size();
    }
    return copyText(out, text.mid(start));
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
    QString cell(stored.size(), Qt::Uninitialized);
    const QChar *end = writeReportCell(cell.data(), record, column);
    cell.truncate(end - cell.constData());
    return cell;
}

ReportRow reportRow(const MemberRecord &record)
{
    ReportRow row;
    for (int column = 0; column < kReportColumnCount; ++column)
        row.cells[static_cast<std::size_t>(column)] = reportCell(record, column);
    return row;
}

QChar *writeReportCell(QChar *out, const MemberRecord &record, int column)
{
    const ReportColumn *shown = columnAt(column);
    if (!shown)
        return out;
    const QString &stored = record[shown->field];
    const QStringView replacement = lineBreakReplacement(shown->field);
    if (replacement.isEmpty())
        return copyText(out, stored);
    return copyJoined(out, stored, replacement);
}

} // namespace tessaly
