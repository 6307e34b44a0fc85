#include "entry_rules/date_box_rules.h"

#include "core/date_text.h"

namespace tessaly {

QString proposedDateText(const QDate &today)
{
    return formatDate(today);
}

DateBoxLeave leaveDateBox(const QString &text, const QDate &today)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {trimmed, true};
    if (!isDateText(trimmed, today))
        return {trimmed, false};
    return {formatDateText(trimmed, today), true};
}

} // namespace tessaly
