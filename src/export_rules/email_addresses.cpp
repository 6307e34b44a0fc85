#include "export_rules/email_addresses.h"

#include <QRegularExpression>
#include <QSet>

namespace tessaly {

EmailAddresses emailAddresses(const MemberStore &store, const std::vector<int> &records)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    EmailAddresses found;
    QSet<QString> seen;
    for (const int record : records) {
        if (record < 1 || record > store.count())
            continue;
        bool any = false;
        const QStringList parts = store.record(record)[Field::Email].split(separators);
        for (const QString &part : parts) {
            const QString address = part.trimmed();
            if (!address.contains(u'@'))
                continue;
            any = true;
            const QString key = address.toCaseFolded();
            if (seen.contains(key))
                continue;
            seen.insert(key);
            found.addresses.append(address);
        }
        if (!any)
            ++found.membersWithout;
    }
    return found;
}

QString bccLine(const EmailAddresses &found)
{
    return found.addresses.join(QStringLiteral(", "));
}

} // namespace tessaly
