#pragma once

#include "core/member_record.h"

#include <QStringView>

#include <array>

namespace tessaly {

struct MemberColumn {
    QStringView header;
    Field field;
};

// The fields as tables show them, each under its header: the report window's columns, the
// exported spreadsheet's and the ones the import recognises. Email, Joined and ClubExpires
// come before the licence, and Other comes last, unlike the data file's order.
inline constexpr std::array<MemberColumn, kFieldCount> kMemberColumns = {{
    {u"Call", Field::Call},          {u"First", Field::FirstName},
    {u"MI", Field::MiddleInitial},   {u"Last", Field::LastName},
    {u"Address", Field::Address},    {u"City", Field::City},
    {u"State", Field::State},        {u"Zip", Field::Zip},
    {u"Phone", Field::Phone},        {u"Email", Field::Email},
    {u"Joined", Field::Joined},      {u"Expires", Field::ClubExpires},
    {u"Class", Field::LicenseClass}, {u"Lic Exp", Field::LicenseExpires},
    {u"ARRL", Field::ArrlMember},    {u"Voting", Field::VotingMember},
    {u"Dues", Field::DuesPaid},      {u"DOB", Field::Dob},
    {u"Other", Field::Other},
}};

} // namespace tessaly
