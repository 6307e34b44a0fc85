#include "exports/member_csv.h"

#include "core/member_columns.h"

namespace tessaly {

namespace {

void appendCell(QString &row, QStringView value)
{
    const bool quoted = value.contains(u',') || value.contains(u'"') || value.contains(u'\r') ||
                        value.contains(u'\n');
    if (!quoted) {
        row += value;
        return;
    }
    row += u'"';
    for (const QChar c : value) {
        if (c == u'"')
            row += u'"';
        row += c;
    }
    row += u'"';
}

} // namespace

QByteArray membersCsv(const MemberStore &store, const std::vector<int> &records)
{
    QString text;
    const auto endRow = [&text] {
        text.chop(1); // the separator after the last cell
        text += QStringLiteral("\r\n");
    };
    for (const MemberColumn &column : kMemberColumns) {
        appendCell(text, column.header);
        text += u',';
    }
    endRow();
    for (const int record : records) {
        if (record < 1 || record > store.count())
            continue;
        const MemberRecord &member = store.record(record);
        for (const MemberColumn &column : kMemberColumns) {
            appendCell(text, member[column.field]);
            text += u',';
        }
        endRow();
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tessaly
