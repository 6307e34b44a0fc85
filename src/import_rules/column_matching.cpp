#include "import_rules/column_matching.h"

#include "core/member_columns.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace tessaly {

namespace {

// A header reduced to its letters and digits in lower case: "E-mail", "e mail" and
// "EMAIL" are one name.
QString nameKey(QStringView header)
{
    QString key;
    key.reserve(header.size());
    for (const QChar c : header) {
        if (c.isLetterOrNumber())
            key.append(c.toCaseFolded());
    }
    return key;
}

struct KnownName {
    const char16_t *name;
    Field field;
};

// Names spreadsheets and other membership lists give the columns, besides the
// report's headers. "Expiration" alone stays unmatched: a club roll may mean the
// membership by it, the entry area the license.
constexpr KnownName kKnownNames[] = {
    {u"call sign", Field::Call},
    {u"callsign", Field::Call},
    {u"call letters", Field::Call},
    {u"first name", Field::FirstName},
    {u"given name", Field::FirstName},
    {u"forename", Field::FirstName},
    {u"middle initial", Field::MiddleInitial},
    {u"middle", Field::MiddleInitial},
    {u"middle name", Field::MiddleInitial},
    {u"initial", Field::MiddleInitial},
    {u"last name", Field::LastName},
    {u"surname", Field::LastName},
    {u"family name", Field::LastName},
    {u"street", Field::Address},
    {u"street address", Field::Address},
    {u"address line 1", Field::Address},
    {u"address 1", Field::Address},
    {u"town", Field::City},
    {u"st", Field::State},
    {u"province", Field::State},
    {u"zip code", Field::Zip},
    {u"postal code", Field::Zip},
    {u"postcode", Field::Zip},
    {u"zip/postal code", Field::Zip},
    {u"telephone", Field::Phone},
    {u"tel", Field::Phone},
    {u"phone number", Field::Phone},
    {u"telephone number", Field::Phone},
    {u"other data", Field::Other},
    {u"notes", Field::Other},
    {u"note", Field::Other},
    {u"comments", Field::Other},
    {u"remarks", Field::Other},
    {u"e-mail", Field::Email},
    {u"email address", Field::Email},
    {u"e-mail address", Field::Email},
    {u"membership expires", Field::ClubExpires},
    {u"membership expiration", Field::ClubExpires},
    {u"club expires", Field::ClubExpires},
    {u"club expiration", Field::ClubExpires},
    {u"date joined", Field::Joined},
    {u"join date", Field::Joined},
    {u"member since", Field::Joined},
    {u"license class", Field::LicenseClass},
    {u"licence class", Field::LicenseClass},
    {u"license expires", Field::LicenseExpires},
    {u"licence expires", Field::LicenseExpires},
    {u"license expiration", Field::LicenseExpires},
    {u"licence expiration", Field::LicenseExpires},
    {u"arrl member", Field::ArrlMember},
    {u"voting member", Field::VotingMember},
    {u"dues paid", Field::DuesPaid},
    {u"paid", Field::DuesPaid},
    {u"d.o.b.", Field::Dob},
    {u"date of birth", Field::Dob},
    {u"birth date", Field::Dob},
    {u"birthdate", Field::Dob},
    {u"birthday", Field::Dob},
};

QHash<QString, Field> makeNameTable()
{
    QHash<QString, Field> table;
    for (const MemberColumn &column : kMemberColumns)
        table.insert(nameKey(column.header), column.field);
    for (const KnownName &known : kKnownNames)
        table.insert(nameKey(QStringView(known.name)), known.field);
    return table;
}

} // namespace

std::optional<Field> fieldForHeader(QStringView header)
{
    static const QHash<QString, Field> table = makeNameTable();
    const auto found = table.constFind(nameKey(header));
    if (found == table.constEnd())
        return std::nullopt;
    return *found;
}

ColumnMatches matchColumns(const QStringList &headers, int columnCount)
{
    ColumnMatches matches(static_cast<std::size_t>(std::max(columnCount, 0)));
    std::array<bool, kFieldCount> taken{};
    for (int column = 0; column < columnCount && column < headers.size(); ++column) {
        const std::optional<Field> field = fieldForHeader(headers.at(column));
        if (!field || taken[static_cast<std::size_t>(*field)])
            continue;
        taken[static_cast<std::size_t>(*field)] = true;
        matches[static_cast<std::size_t>(column)] = field;
    }
    return matches;
}

void assignField(ColumnMatches &matches, int column, std::optional<Field> field)
{
    if (column < 0 || static_cast<std::size_t>(column) >= matches.size())
        return;
    if (field) {
        for (std::optional<Field> &other : matches) {
            if (other == field)
                other.reset();
        }
    }
    matches[static_cast<std::size_t>(column)] = field;
}

} // namespace tessaly
