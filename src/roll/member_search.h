#pragma once

#include "core/member_store.h"

#include <QString>

#include <vector>

namespace tessaly {

// Whether text occurs, letter case ignored, in one of the twelve searched fields:
// Call, FirstName, MiddleInitial, LastName, Address, City, State, Zip, Phone,
// Other, Email, LicenseClass. Dates and yes/no flags are not searched. An empty
// text occurs in every non-empty field and in no empty one.
bool matchesSearch(const MemberRecord &record, const QString &text);

// The record numbers that match, in store order.
std::vector<int> searchMembers(const MemberStore &store, const QString &text);

// The record numbers whose VotingMember is "Y" in either case, in store order.
std::vector<int> votingMembers(const MemberStore &store);

} // namespace tessaly
