#include "core/duplicate_rule.h"

namespace tessaly {

namespace {

QString part(const MemberRecord &member, Field field)
{
    QString text = member[field];
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text.simplified().toCaseFolded();
}

// Separates the parts of a key: no value of the roll holds it.
constexpr QChar kUnit = u'\x1f';

struct Keys {
    QString callAndName;
    QString nameAndAddress;
};

Keys keysOf(const MemberRecord &member)
{
    Keys keys;
    const QString last = part(member, Field::LastName);
    if (last.isEmpty())
        return keys;
    const QString name = part(member, Field::FirstName) + kUnit + last;
    if (const QString call = part(member, Field::Call); !call.isEmpty())
        keys.callAndName = u'C' + call + kUnit + name;
    if (const QString address = part(member, Field::Address); !address.isEmpty())
        keys.nameAndAddress = u'A' + name + kUnit + address;
    return keys;
}

} // namespace

DuplicateIndex::DuplicateIndex(const MemberStore &roll)
{
    keys_.reserve(roll.count() * 2);
    for (int n = 1; n <= roll.count(); ++n)
        add(roll.record(n), n);
}

int DuplicateIndex::find(const MemberRecord &member) const
{
    const Keys keys = keysOf(member);
    for (const QString &key : {keys.callAndName, keys.nameAndAddress}) {
        if (key.isEmpty())
            continue;
        if (const auto found = keys_.constFind(key); found != keys_.constEnd())
            return *found;
    }
    return 0;
}

void DuplicateIndex::add(const MemberRecord &member, int tag)
{
    const Keys keys = keysOf(member);
    for (const QString &key : {keys.callAndName, keys.nameAndAddress}) {
        if (!key.isEmpty() && !keys_.contains(key))
            keys_.insert(key, tag);
    }
}

} // namespace tessaly
