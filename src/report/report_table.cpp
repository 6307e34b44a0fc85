#include "report/report_table.h"

#include "report/report_rows.h"

namespace tessaly {

QString reportTableText(const MemberStore &store, const std::vector<int> &displayed)
{
    // The table of a full roll runs to megabytes: room for all of it is made once. A
    // cell is never longer than its field, so the stored lengths and the separators
    // are enough.
    constexpr qsizetype kSeparatorsPerLine = (kReportColumnCount - 1) + 2;
    qsizetype bound = 0;
    for (int n : displayed) {
        for (const QString &value : store.record(n).values)
            bound += value.size();
        bound += kSeparatorsPerLine;
    }

    QString text;
    text.reserve(bound);
    for (int n : displayed) {
        const MemberRecord &record = store.record(n);
        for (int column = 0; column < kReportColumnCount; ++column) {
            if (column > 0)
                text.append(u'\t');
            text.append(reportCell(record, column));
        }
        text.append(u"\r\n");
    }
    return text;
}

} // namespace tessaly
