#include "export_rules/member_csv.h"

#include "core/member_columns.h"

namespace tessaly {

namespace {

bool startsFormula(QStringView value)
{
    return !value.isEmpty() && (value[0] == u'=' || value[0] == u'+' || value[0] == u'-' ||
                                value[0] == u'@' || value[0] == u'\t' || value[0] == u'\r');
}

// A spreadsheet takes a value beginning with a formula character as a formula and runs it
// (a member named "=HYPERLINK(...)" becomes a live link); a leading apostrophe makes it text.
// A value that already is apostrophes before a formula character gets one more, so that the
// import, which takes exactly one away, gives back every value as it was.
bool needsGuard(QStringView value)
{
    qsizetype apostrophes = 0;
    while (apostrophes < value.size() && value[apostrophes] == u'\'')
        ++apostrophes;
    return startsFormula(value.mid(apostrophes));
}

void appendCell(QString &row, QStringView stored)
{
    const QString guarded = needsGuard(stored) ? u'\'' + stored.toString() : QString();
    const QStringView value = guarded.isEmpty() ? stored : QStringView(guarded);
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
