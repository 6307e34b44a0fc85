#pragma once

#include "core/member_store.h"

#include <QStringList>

#include <initializer_list>

namespace tessaly::testing {

// A record given as its fields in file order joined by '|'; fields left off are empty.
inline MemberRecord recordOf(const QString &fields)
{
    MemberRecord record;
    const QStringList values = fields.split(u'|');
    for (qsizetype i = 0; i < values.size(); ++i)
        record.values.at(i) = values[i]; // more than nineteen throws
    return record;
}

// A store of such records, in the order given.
inline MemberStore storeOf(std::initializer_list<QString> records)
{
    MemberStore store;
    for (const QString &fields : records)
        store.append(recordOf(fields));
    return store;
}

// A roll as large as the store takes (or of count members), each member different and
// already in sorted order; every seventh has a two-line address.
inline MemberStore fullRoll(int count = MemberStore::kCapacity)
{
    MemberStore store;
    for (int i = 1; i <= count; ++i)
        store.append(
            recordOf(QStringLiteral("K%1ABC|Ann||Lastname%2|%1 %3|Springfield")
                         .arg(i)
                         .arg(i, 5, 10, QChar(u'0'))
                         .arg(i % 7 ? QStringLiteral("Main St") : QStringLiteral("Elm\r\nApt 4"))));
    return store;
}

} // namespace tessaly::testing
