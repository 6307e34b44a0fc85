#pragma once

#include <QDate>
#include <QString>

namespace tessaly {

// Which members a listing of the main window holds: the command that chose them, and
// for an expiration query its date.
struct Listing {
    enum class Kind { All, Found, Voting, ClubExpiresBefore, LicenseExpiresBefore, DuesNotPaid };
    Kind kind = Kind::All;
    QDate before;
};

// The line that says what the list holds, such as "3 of 57 members found"; listed is how
// many members it shows, rollCount how many the roll holds.
QString listingSummary(const Listing &listing, int listed, int rollCount);

} // namespace tessaly
