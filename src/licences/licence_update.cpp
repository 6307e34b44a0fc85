#include "licences/licence_update.h"

#include "core/date_text.h"
#include "licences/call_sign_key.h"

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

// The licence a call sign stands for: the active one, else the one granted last.
const FccLicence *currentLicence(const std::vector<const FccLicence *> &records)
{
    const FccLicence *best = nullptr;
    for (const FccLicence *licence : records) {
        const bool active = licence->status == 'A';
        const bool bestActive = best != nullptr && best->status == 'A';
        if (best == nullptr || (active && !bestActive) ||
            (active == bestActive && licence->granted > best->granted))
            best = licence;
    }
    return best;
}

QString notCurrentText(const FccLicence &licence)
{
    const auto dated = [](const char *what, const QDate &date) {
        return date.isValid() ? QStringLiteral("%1 %2").arg(QLatin1String(what), formatDate(date))
                              : QLatin1String(what);
    };
    switch (licence.status) {
    case 'E':
        return dated("Expired", licence.expires);
    case 'C':
        return dated("Cancelled", licence.cancelled);
    case 'T':
        return dated("Terminated", licence.cancelled);
    default:
        return QStringLiteral("Status %1").arg(QLatin1Char(licence.status ? licence.status : '?'));
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

std::vector<LicenceRow> licenceRows(const MemberStore &store,
                                    const std::vector<FccLicence> &licences, const QDate &today)
{
    QHash<QByteArray, std::vector<const FccLicence *>> byCall;
    QHash<QByteArray, const FccLicence *> byPreviousCall; // active licences only
    for (const FccLicence &licence : licences) {
        byCall[licence.call].push_back(&licence);
        if (licence.status == 'A' && !licence.previousCall.isEmpty())
            byPreviousCall.insert(licence.previousCall, &licence);
    }
    const QHash<char, QString> spellings = rollSpellings(store);

    std::vector<LicenceRow> rows;
    for (int record = 1; record <= store.count(); ++record) {
        const MemberRecord &member = store.record(record);
        const QByteArray call = callKey(member[Field::Call]);
        if (call.isEmpty())
            continue;
        LicenceRow row;
        row.record = record;
        row.name = (member[Field::FirstName].trimmed() + u' ' + member[Field::LastName].trimmed())
                       .trimmed();
        row.call = member[Field::Call];
        const auto add = [&](LicenceRow::Kind kind, Field field, const QString &rollValue,
                             const QString &fccValue) {
            row.kind = kind;
            row.field = field;
            row.rollValue = rollValue;
            row.fccValue = fccValue;
            row.ticked = kind == LicenceRow::Kind::Change;
            rows.push_back(row);
        };

        const FccLicence *licence = currentLicence(byCall.value(call));
        if (licence == nullptr || licence->status != 'A') {
            if (const FccLicence *renamed = byPreviousCall.value(call)) {
                add(LicenceRow::Kind::NewCall, Field::Call, row.call,
                    QString::fromLatin1(renamed->call));
            } else if (licence == nullptr) {
                add(LicenceRow::Kind::NotFound, Field::Call, row.call,
                    QStringLiteral("Not in the FCC file"));
            } else {
                // The licence's own date is what ended: the row sets it beside the roll's.
                add(LicenceRow::Kind::NotCurrent, Field::LicenseExpires,
                    member[Field::LicenseExpires], notCurrentText(*licence));
            }
            continue;
        }

        const QString rollClass = member[Field::LicenseClass];
        if (licence->operatorClass != 0 && operatorClassOf(rollClass) != licence->operatorClass) {
            const QString spelling = spellings.value(licence->operatorClass,
                                                     defaultSpelling(licence->operatorClass));
            if (!spelling.isEmpty())
                add(LicenceRow::Kind::Change, Field::LicenseClass, rollClass, spelling);
        }
        const QString rollDate = member[Field::LicenseExpires];
        if (licence->expires.isValid() && parseDateText(rollDate, today) != licence->expires)
            add(LicenceRow::Kind::Change, Field::LicenseExpires, rollDate,
                formatDate(licence->expires));
    }
    return rows;
}

std::vector<std::pair<int, MemberRecord>> tickedChanges(const MemberStore &store,
                                                        const std::vector<LicenceRow> &rows)
{
    std::map<int, MemberRecord> changed;
    for (const LicenceRow &row : rows) {
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
