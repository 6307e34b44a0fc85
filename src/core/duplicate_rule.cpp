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

int findDuplicate(const MemberStore &roll, const MemberRecord &member)
{
    const Keys keys = keysOf(member);
    if (keys.callAndName.isEmpty() && keys.nameAndAddress.isEmpty())
        return 0;
    // Every key holds the last name: only members of the same last name are keyed at all,
    // so that an add to a full roll does not fold every member's name and address.
    const QString last = member[Field::LastName].simplified();
    int sameAddress = 0;
    for (int n = 1; n <= roll.count(); ++n) {
        if (roll.field(n, Field::LastName).simplified().compare(last, Qt::CaseInsensitive) != 0)
            continue;
        const Keys held = keysOf(roll.record(n));
        if (!keys.callAndName.isEmpty() && held.callAndName == keys.callAndName)
            return n;
        if (sameAddress == 0 && !keys.nameAndAddress.isEmpty() &&
            held.nameAndAddress == keys.nameAndAddress)
            sameAddress = n;
    }
    return sameAddress;
}

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
