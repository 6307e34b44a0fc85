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

} // namespace tessaly::testing
