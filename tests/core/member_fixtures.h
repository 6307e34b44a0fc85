#pragma once

#include "core/member_record.h"
#include "core/member_store.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace tessaly::testing {

// A record whose first fields are the given texts, in file order; the rest stay empty.
inline MemberRecord recordOf(std::initializer_list<const char *> values)
{
    MemberRecord record;
    std::size_t i = 0;
    for (const char *v : values)
        record.values.at(i++) = QString::fromUtf8(v);
    return record;
}

inline MemberRecord named(const char *last, const char *first = "", const char *middle = "",
                          const char *call = "")
{
    MemberRecord record;
    record[Field::LastName] = QString::fromUtf8(last);
    record[Field::FirstName] = QString::fromUtf8(first);
    record[Field::MiddleInitial] = QString::fromUtf8(middle);
    record[Field::Call] = QString::fromUtf8(call);
    return record;
}

inline MemberStore storeOf(const std::vector<MemberRecord> &records)
{
    MemberStore store;
    for (const MemberRecord &r : records)
        store.append(r);
    return store;
}

inline std::vector<MemberRecord> recordsOf(const MemberStore &store)
{
    std::vector<MemberRecord> records;
    for (int n = 1; n <= store.count(); ++n)
        records.push_back(store.record(n));
    return records;
}

// A filled-in member as the program writes it, with a two-line address when asked.
inline MemberRecord sampleMember(int i, bool twoLineAddress = false)
{
    MemberRecord r;
    r[Field::Call] = QStringLiteral("K%1ABC").arg(i);
    r[Field::FirstName] = QStringLiteral("Firstname%1").arg(i % 97);
    r[Field::MiddleInitial] = QStringLiteral("Q");
    r[Field::LastName] = QStringLiteral("Lastname%1").arg(i, 5, 10, QLatin1Char('0'));
    r[Field::Address] = twoLineAddress ? QStringLiteral("%1 Main Street\r\nApt 4").arg(i)
                                       : QStringLiteral("%1 Main Street").arg(i);
    r[Field::City] = QStringLiteral("Springfield");
    r[Field::State] = QStringLiteral("MA");
    r[Field::Zip] = QStringLiteral("01103");
    r[Field::Phone] = QStringLiteral("413-555-0100");
    r[Field::Other] = QStringLiteral("golf, church");
    r[Field::Email] = QStringLiteral("member%1@example.org").arg(i);
    r[Field::ClubExpires] = QStringLiteral("12/31/2026");
    r[Field::Joined] = QStringLiteral("3/15/1998");
    r[Field::LicenseClass] = QStringLiteral("General");
    r[Field::LicenseExpires] = QStringLiteral("6/1/2031");
    r[Field::ArrlMember] = QStringLiteral("Y");
    r[Field::VotingMember] = i % 2 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    r[Field::DuesPaid] = QStringLiteral("N");
    r[Field::Dob] = QStringLiteral("7/4/1960");
    return r;
}

} // namespace tessaly::testing
