#include "label_rules/label_households.h"

#include "core/member_lines.h"
#include "label_rules/label_plan.h"

#include <QHash>

#include <array>

namespace tessaly {

namespace {

// A text as households are compared, written from out on: case folded, without any blanks.
// One pass, the letters of plain ASCII without a call into the tables; returns the end.
QChar *writeFolded(QChar *out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            if (u == u' ' || (u >= u'\t' && u <= u'\r'))
                continue;
            *out++ = QChar(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u);
        } else if (!c.isSpace()) {
            *out++ = c.toCaseFolded();
        }
    }
    return out;
}

// Of the texts, folded, with a separator no field holds between them, so that "Media|PA"
// stays apart from "MediaP|A"; empty when the first is blank.
template <std::size_t N> QString foldedKey(const std::array<QStringView, N> &texts)
{
    qsizetype size = N - 1;
    for (const QStringView text : texts)
        size += text.size();
    QString key(size, Qt::Uninitialized);
    QChar *const start = key.data();
    QChar *end = writeFolded(start, texts[0]);
    if (end == start)
        return QString();
    for (std::size_t n = 1; n < N; ++n) {
        *end++ = QChar(0x1f);
        end = writeFolded(end, texts[n]);
    }
    key.truncate(end - start);
    return key;
}

QString folded(QStringView text)
{
    return foldedKey(std::array<QStringView, 1>{text});
}

// The household a member belongs to; empty for an address that is shared with nobody.
QString householdKey(const MemberRecord &member)
{
    return foldedKey(std::array<QStringView, 4>{member[Field::Address], member[Field::City],
                                                member[Field::State], member[Field::Zip]});
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
        // First and last name only, as "John Smith & Mary Jones".
        QString name = nameLine(
            NameParts{(*member)[Field::FirstName], {}, (*member)[Field::LastName]}, kJoined);
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
