#include "core/member_record.h"

namespace tessaly {

QString memberSortKey(const MemberRecord &record)
{
    const QString &last = record[Field::LastName];
    const QString &first = record[Field::FirstName];
    const QString &middle = record[Field::MiddleInitial];
    QString key;
    key.reserve(last.size() + first.size() + middle.size() + 2);
    key += last;
    key += QLatin1Char(' ');
    key += first;
    key += QLatin1Char(' ');
    key += middle;
    return key;
}

bool isYes(const QString &value)
{
    return value.size() == 1 &&
           (value.at(0) == QLatin1Char('Y') || value.at(0) == QLatin1Char('y'));
}

} // namespace tessaly
