#include "label_rules/label_households.h"

#include "core/member_lines.h"
#include "label_rules/label_plan.h"

#include <QHash>

namespace tessaly {

namespace {

// A text as households are compared: case folded, without any blanks.
void appendFolded(QString &out, QStringView text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            out.append(c);
    }
}

QString folded(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendFolded(out, text);
    return out.toCaseFolded();
}

// The household a member belongs to; empty for an address that is shared with nobody.
QString householdKey(const MemberRecord &member)
{
    QString key;
    appendFolded(key, member[Field::Address]);
    if (key.isEmpty())
        return key;
    for (const Field part : {Field::City, Field::State, Field::Zip}) {
        key.append(QChar(0x1f)); // no field holds it: "Media|PA" stays apart from "MediaP|A"
        appendFolded(key, member[part]);
    }
    return key.toCaseFolded();
}

constexpr NameStyle kJoined{NameOrder::GivenFirst, NameSeparators::BetweenPresent};

// "John Q & Mary Smith": both given names before the one last name.
QString sharedLastName(const MemberRecord &first, const MemberRecord &second)
{
    QStringList given;
    for (const QString &name :
         {nameLine(NameParts{first[Field::FirstName], first[Field::MiddleInitial], {}}, kJoined),
          second[Field::FirstName]}) {
        if (!name.isEmpty())
            given.append(name);
    }
    return nameLine(NameParts{given.join(u" & "), {}, first[Field::LastName]}, kJoined);
}

// "Ann Lee, Bob Ray & Cy Fox".
QString listedNames(const std::vector<const MemberRecord *> &members)
{
    QStringList names;
    for (const MemberRecord *member : members) {
        QString name = nameLine(*member, kJoined);
        if (!name.isEmpty())
            names.append(std::move(name));
    }
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(u", ") + QStringLiteral(" & ") + last;
}

} // namespace

std::vector<LabelGroup> householdsOf(const MemberStore &store, const std::vector<int> &listed)
{
    std::vector<LabelGroup> groups;
    groups.reserve(listed.size());
    QHash<QString, std::size_t> households;
    households.reserve(static_cast<qsizetype>(listed.size()));
    for (std::size_t n = 0; n < listed.size(); ++n) {
        const int record = listed[n];
        QString key;
        if (record >= 1 && record <= store.count())
            key = householdKey(store.record(record));
        if (!key.isEmpty()) {
            const auto at = households.constFind(key);
            if (at != households.constEnd()) {
                groups[*at].records.push_back(record);
                continue;
            }
            households.insert(std::move(key), groups.size());
        }
        groups.push_back({static_cast<int>(n + 1), {record}});
    }
    return groups;
}

QStringList householdLines(const std::vector<const MemberRecord *> &members)
{
    if (members.size() == 1)
        return labelLines(*members.front());
    const MemberRecord &first = *members.front();
    QStringList lines;
    QStringList calls;
    for (const MemberRecord *member : members) {
        if (!(*member)[Field::Call].isEmpty())
            calls.append((*member)[Field::Call]);
    }
    if (!calls.isEmpty())
        lines.append(QStringLiteral("ARS ") + calls.join(u", "));

    const QString lastName = folded(first[Field::LastName]);
    bool oneLastName = !lastName.isEmpty();
    for (const MemberRecord *member : members)
        oneLastName = oneLastName && folded((*member)[Field::LastName]) == lastName;
    if (oneLastName && members.size() == 2)
        lines.append(sharedLastName(first, *members[1]));
    else if (oneLastName)
        lines.append(QStringLiteral("The ") + first[Field::LastName] + QStringLiteral(" Family"));
    else
        lines.append(listedNames(members));

    lines.append(addressLines(first[Field::Address], AddressBreaks::EndLines));
    lines.append(townLine(first, TownSpacing::AsStored));
    return lines;
}

} // namespace tessaly
