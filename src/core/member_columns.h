#pragma once

#include "core/member_record.h"

#include <QStringView>

#include <array>
#include <cstddef>

namespace tessaly {

// What a field holds, for the rules that fit or show its value.
enum class ValueKind {
    Line,  // one line of text
    Lines, // text that may run over several lines, CR LF between them
    YesNo, // a flag: "Y" or "N"
    Date,  // date text
};

// Whether the field is one of the eight address boxes, whose contents make the Quick Copy block.
enum class AddressBox { No, Yes };

struct MemberColumn {
    QStringView header;
    Field field;
    ValueKind kind;
    AddressBox addressBox;
};

// The fields as tables show them, each under its header: the report window's columns, the
// exported spreadsheet's and the ones the import recognises. Email, Joined and ClubExpires
// come before the license, and Other comes last, unlike the data file's order.
inline constexpr std::array<MemberColumn, kFieldCount> kMemberColumns = {{
    {u"Call", Field::Call, ValueKind::Line, AddressBox::Yes},
    {u"First", Field::FirstName, ValueKind::Line, AddressBox::Yes},
    {u"MI", Field::MiddleInitial, ValueKind::Line, AddressBox::Yes},
    {u"Last", Field::LastName, ValueKind::Line, AddressBox::Yes},
    {u"Address", Field::Address, ValueKind::Lines, AddressBox::Yes},
    {u"City", Field::City, ValueKind::Line, AddressBox::Yes},
    {u"State", Field::State, ValueKind::Line, AddressBox::Yes},
    {u"Zip", Field::Zip, ValueKind::Line, AddressBox::Yes},
    {u"Phone", Field::Phone, ValueKind::Line, AddressBox::No},
    {u"Email", Field::Email, ValueKind::Line, AddressBox::No},
    {u"Joined", Field::Joined, ValueKind::Date, AddressBox::No},
    {u"Expires", Field::ClubExpires, ValueKind::Date, AddressBox::No},
    {u"Class", Field::LicenseClass, ValueKind::Line, AddressBox::No},
    {u"Lic Exp", Field::LicenseExpires, ValueKind::Date, AddressBox::No},
    {u"ARRL", Field::ArrlMember, ValueKind::YesNo, AddressBox::No},
    {u"Voting", Field::VotingMember, ValueKind::YesNo, AddressBox::No},
    {u"Dues", Field::DuesPaid, ValueKind::YesNo, AddressBox::No},
    {u"DOB", Field::Dob, ValueKind::Date, AddressBox::No},
    {u"Other", Field::Other, ValueKind::Lines, AddressBox::No},
}};

namespace member_columns_detail {

// Where each field stands in kMemberColumns; kFieldCount for a field it lacks.
constexpr std::array<std::size_t, kFieldCount> columnPlaces()
{
    std::array<std::size_t, kFieldCount> places{};
    for (std::size_t &place : places)
        place = kFieldCount;
    for (std::size_t n = 0; n < kMemberColumns.size(); ++n)
        places[static_cast<std::size_t>(kMemberColumns[n].field)] = n;
    return places;
}

inline constexpr std::array<std::size_t, kFieldCount> kColumnPlaces = columnPlaces();

constexpr bool everyFieldHasAColumn()
{
    for (const std::size_t place : kColumnPlaces) {
        if (place == kFieldCount)
            return false;
    }
    return true;
}

static_assert(everyFieldHasAColumn(), "kMemberColumns holds every field once");

} // namespace member_columns_detail

// The field's column: its header and what it holds.
constexpr const MemberColumn &memberColumn(Field field)
{
    return kMemberColumns[member_columns_detail::kColumnPlaces[static_cast<std::size_t>(field)]];
}

} // namespace tessaly
