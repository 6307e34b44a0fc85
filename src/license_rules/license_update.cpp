#include "license_rules/license_update.h"

#include "core/date_text.h"
#include "license_rules/call_sign_key.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <map>

namespace tessaly {

namespace {

struct ClassNames {
    char letter;
    std::array<const char *, 3> names; // the first is what a roll gets by default
};
constexpr ClassNames kClasses[] = {
    {'E', {"Extra", "E", "Amateur Extra"}}, {'A', {"Advanced", "A", "Adv"}},
    {'G', {"General", "G", "Gen"}},         {'P', {"Tech Plus", "P", "Technician Plus"}},
    {'T', {"Tech", "T", "Technician"}},     {'N', {"Novice", "N", "Nov"}},
};

QByteArray callKey(const QString &call)
{
    QByteArray key(call.size(), Qt::Uninitialized);
    key.truncate(callSignKey(QStringView(call).utf16(), call.size(), key.data(), key.size()));
    return key;
}

// For each class letter, the spelling the roll uses most (the earliest of equals).
QHash<char, QString> rollSpellings(const MemberStore &store)
{
    struct Count {
        int count = 0;
        int first = 0;
    };
    QHash<char, QHash<QString, Count>> counts;
    for (int record = 1; record <= store.count(); ++record) {
        const QString value = store.field(record, Field::LicenseClass).trimmed();
        const char letter = operatorClassOf(value);
        if (letter == 0)
            continue;
        Count &count = counts[letter][value];
        if (count.count++ == 0)
            count.first = record;
    }
    QHash<char, QString> spellings;
    for (auto letter = counts.cbegin(); letter != counts.cend(); ++letter) {
        const Count *best = nullptr;
        for (auto spelling = letter->cbegin(); spelling != letter->cend(); ++spelling) {
            if (best == nullptr || spelling->count > best->count ||
                (spelling->count == best->count && spelling->first < best->first)) {
                best = &spelling.value();
                spellings[letter.key()] = spelling.key();
            }
        }
    }
    return spellings;
}

QString defaultSpelling(char letter)
{
    for (const ClassNames &names : kClasses) {
        if (names.letter == letter)
            return QLatin1String(names.names[0]);
    }
    return {};
}

// The license a call sign stands for: the active one, else the one granted last.
const FccLicense *currentLicense(const std::vector<const FccLicense *> &records)
{
    const FccLicense *best = nullptr;
    for (const FccLicense *license : records) {
        const bool active = license->status == 'A';
        const bool bestActive = best != nullptr && best->status == 'A';
        if (best == nullptr || (active && !bestActive) ||
            (active == bestActive && license->granted > best->granted))
            best = license;
    }
    return best;
}

QString notCurrentText(const FccLicense &license)
{
    const auto dated = [](const char *what, const QDate &date) {
        return date.isValid() ? QStringLiteral("%1 %2").arg(QLatin1String(what), formatDate(date))
                              : QLatin1String(what);
    };
    switch (license.status) {
    case 'E':
        return dated("Expired", license.expires);
    case 'C':
        return dated("Cancelled", license.cancelled);
    case 'T':
        return dated("Terminated", license.cancelled);
    default:
        return QStringLiteral("Status %1").arg(QLatin1Char(license.status ? license.status : '?'));
    }
}

} // namespace

QSet<QByteArray> rollCallSigns(const MemberStore &store)
{
    QSet<QByteArray> calls;
    for (int record = 1; record <= store.count(); ++record) {
        const QByteArray call = callKey(store.field(record, Field::Call));
        if (!call.isEmpty())
            calls.insert(call);
    }
    return calls;
}

char operatorClassOf(const QString &value)
{
    const QString wanted = value.trimmed();
    for (const ClassNames &names : kClasses) {
        for (const char *name : names.names) {
            if (wanted.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return names.letter;
        }
    }
    return 0;
}

std::vector<LicenseRow> licenseRows(const MemberStore &store,
                                    const std::vector<FccLicense> &licenses, const QDate &today)
{
    QHash<QByteArray, std::vector<const FccLicense *>> byCall;
    QHash<QByteArray, const FccLicense *> byPreviousCall; // active licenses only
    for (const FccLicense &license : licenses) {
        byCall[license.call].push_back(&license);
        if (license.status == 'A' && !license.previousCall.isEmpty())
            byPreviousCall.insert(license.previousCall, &license);
    }
    const QHash<char, QString> spellings = rollSpellings(store);

    std::vector<LicenseRow> rows;
    for (int record = 1; record <= store.count(); ++record) {
        const MemberRecord &member = store.record(record);
        const QByteArray call = callKey(member[Field::Call]);
        if (call.isEmpty())
            continue;
        LicenseRow row;
        row.record = record;
        row.name = (member[Field::FirstName].trimmed() + u' ' + member[Field::LastName].trimmed())
                       .trimmed();
        row.call = member[Field::Call];
        const auto add = [&](LicenseRow::Kind kind, Field field, const QString &rollValue,
                             const QString &fccValue) {
            row.kind = kind;
            row.field = field;
            row.rollValue = rollValue;
            row.fccValue = fccValue;
            row.ticked = kind == LicenseRow::Kind::Change;
            rows.push_back(row);
        };

        const FccLicense *license = currentLicense(byCall.value(call));
        if (license == nullptr || license->status != 'A') {
            if (const FccLicense *renamed = byPreviousCall.value(call)) {
                add(LicenseRow::Kind::NewCall, Field::Call, row.call,
                    QString::fromLatin1(renamed->call));
            } else if (license == nullptr) {
                add(LicenseRow::Kind::NotFound, Field::Call, row.call,
                    QStringLiteral("Not in the FCC file"));
            } else {
                // The license's own date is what ended: the row sets it beside the roll's.
                add(LicenseRow::Kind::NotCurrent, Field::LicenseExpires,
                    member[Field::LicenseExpires], notCurrentText(*license));
            }
            continue;
        }

        const QString rollClass = member[Field::LicenseClass];
        if (license->operatorClass != 0 && operatorClassOf(rollClass) != license->operatorClass) {
            const QString spelling = spellings.value(license->operatorClass,
                                                     defaultSpelling(license->operatorClass));
            if (!spelling.isEmpty())
                add(LicenseRow::Kind::Change, Field::LicenseClass, rollClass, spelling);
        }
        const QString rollDate = member[Field::LicenseExpires];
        if (license->expires.isValid() && parseDateText(rollDate, today) != license->expires)
            add(LicenseRow::Kind::Change, Field::LicenseExpires, rollDate,
                formatDate(license->expires));
    }
    return rows;
}

std::vector<std::pair<int, MemberRecord>> tickedChanges(const MemberStore &store,
                                                        const std::vector<LicenseRow> &rows)
{
    std::map<int, MemberRecord> changed;
    for (const LicenseRow &row : rows) {
        if (!row.ticked || !row.proposes() || row.record < 1 || row.record > store.count())
            continue;
        if (row.field != Field::Call && row.field != Field::LicenseClass &&
            row.field != Field::LicenseExpires)
            continue;
        auto [member, added] = changed.try_emplace(row.record, store.record(row.record));
        (void)added;
        member->second[row.field] = row.fccValue;
    }
    return {changed.begin(), changed.end()};
}

} // namespace tessaly
