#pragma once

#include "core/member_store.h"

#include <QDate>

#include <vector>

namespace tessaly {

// The record numbers, in record order, whose dateField (ClubExpires or LicenseExpires)
// holds a date strictly earlier than queryDate. A field that is empty or not a date is
// never listed, nor is anything when queryDate is not a valid date. today supplies the
// year of a date written without one.
std::vector<int> membersExpiringBefore(const MemberStore &store, Field dateField,
                                       const QDate &queryDate, const QDate &today);

// The record numbers, in record order, whose DuesPaid is not "Y" in either case; an empty
// flag is not paid.
std::vector<int> membersWithDuesNotPaid(const MemberStore &store);

// Every record number, 1 to count, in record order.
std::vector<int> allMembers(const MemberStore &store);

} // namespace tessaly
