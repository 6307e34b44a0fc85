#pragma once

#include <QString>

#include <array>

namespace tessaly {

// The nineteen fields of a member, in the order they stand in AddrClub.dat.
enum class Field : int {
    Call,
    FirstName,
    MiddleInitial,
    LastName,
    Address,
    City,
    State,
    Zip,
    Phone,
    Other,
    Email,
    ClubExpires,
    Joined,
    LicenseClass,
    LicenseExpires,
    ArrlMember,
    VotingMember,
    DuesPaid,
    Dob,
};

constexpr int kFieldCount = 19;

// Every value is text; dates and yes/no flags are stored as the operator left them.
struct MemberRecord {
    std::array<QString, kFieldCount> values;

    const QString &operator[](Field f) const { return values[static_cast<int>(f)]; }
    QString &operator[](Field f) { return values[static_cast<int>(f)]; }

    bool operator==(const MemberRecord &other) const { return values == other.values; }
    bool operator!=(const MemberRecord &other) const { return !(*this == other); }
};

// "Last First MI", the blanks present even when a part is empty.
QString memberSortKey(const MemberRecord &record);

// The main window's reading of a yes/no field: "Y" in either case is yes.
bool isYes(const QString &value);

}  // namespace tessaly
