#include "core/member_table.h"

#include "core/member_columns.h"

namespace tessaly {

namespace {

constexpr QStringView kCrLf = u"\r\n";

// What a CR LF pair in the field becomes on its one line; empty for fields shown exactly
// as stored.
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

// Appends the field's cell without building a copy of it: the table of a full roll is
// made for thousands of members at a time.
void appendCell(QString &out, const QString &stored, Field field)
{
    const QStringView replacement = lineBreakReplacement(field);
    if (replacement.isEmpty()) {
        out.append(stored);
        return;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = stored.indexOf(kCrLf, start);
        if (at < 0)
            break;
        out.append(QStringView(stored).mid(start, at - start));
        out.append(replacement);
        start = at + kCrLf.size();
    }
    out.append(QStringView(stored).mid(start));
}

} // namespace

QString memberTableCell(const MemberRecord &record, Field field)
{
    const QString &stored = record[field];
    // Most fields, and most addresses, need no conversion; handing back the stored text
    // shares it instead of copying, which matters when a view asks for every cell.
    if (lineBreakReplacement(field).isEmpty() || !stored.contains(kCrLf))
        return stored;
    QString cell;
    cell.reserve(stored.size());
    appendCell(cell, stored, field);
    return cell;
}

QString memberTableText(const MemberStore &store, const std::vector<int> &records)
{
    // A cell is never longer than its field (CR LF becomes two characters or one), so the
    // stored lengths and the separators make room for the whole table at once.
    constexpr qsizetype kSeparatorsPerLine = (kFieldCount - 1) + kCrLf.size();
    qsizetype bound = 0;
    for (int n : records) {
        if (n < 1 || n > store.count())
            continue;
        for (const QString &value : store.record(n).values)
            bound += value.size();
        bound += kSeparatorsPerLine;
    }

    QString text;
    text.reserve(bound);
    for (int n : records) {
        if (n < 1 || n > store.count())
            continue;
        const MemberRecord &record = store.record(n);
        bool first = true;
        for (const MemberColumn &column : kMemberColumns) {
            if (!first)
                text.append(u'\t');
            first = false;
            appendCell(text, record[column.field], column.field);
        }
        text.append(kCrLf);
    }
    return text;
}

} // namespace tessaly
