#pragma once

#include "core/member_record.h"

#include <QStringView>

#include <array>

namespace tessaly {

constexpr int kReportColumnCount = 19;

struct ReportColumn {
    QStringView header;
    Field field;
    // The width in twips on a 640-pixel screen; wider screens widen every column alike.
    int widthFactor;
};

// The report's columns in display order, which is not the file order of the fields:
// Email, Joined and ClubExpires come before the licence, and Other comes last.
inline constexpr std::array<ReportColumn, kReportColumnCount> kReportColumns = {{
    {u"Call", Field::Call, 900},          {u"First", Field::FirstName, 900},
    {u"MI", Field::MiddleInitial, 300},   {u"Last", Field::LastName, 900},
    {u"Address", Field::Address, 2000},   {u"City", Field::City, 900},
    {u"State", Field::State, 500},        {u"Zip", Field::Zip, 600},
    {u"Phone", Field::Phone, 1300},       {u"Email", Field::Email, 1500},
    {u"Joined", Field::Joined, 900},      {u"Expires", Field::ClubExpires, 900},
    {u"Class", Field::LicenseClass, 600}, {u"Lic Exp", Field::LicenseExpires, 900},
    {u"ARRL", Field::ArrlMember, 600},    {u"Voting", Field::VotingMember, 600},
    {u"Dues", Field::DuesPaid, 600},      {u"DOB", Field::Dob, 900},
    {u"Other", Field::Other, 4000},
}};

// The width of a column in twips for a screen screenWidthTwips wide: the factor grows
// with the 1.2th power of the screen width over that of a 640-pixel screen (9600
// twips). A screen width that is not positive gives the plain factor.
int reportColumnWidth(const ReportColumn &column, int screenWidthTwips);

} // namespace tessaly
