#pragma once

#include "core/member_store.h"

#include <QStringList>

#include <vector>

namespace tessaly {

// The listed members that share one label: its list position is that of the first of them.
struct LabelGroup {
    int listPosition = 0;     // 1 = the first listed member
    std::vector<int> records; // in list order; one record outside the roll leaves a blank
};

// The listed records (in list order) gathered into households: members at the same address,
// city, state and zip, compared without regard to letter case or blanks, share the group of
// the first of them. An address that is empty, or only blanks, is nobody's but its member's.
std::vector<LabelGroup> householdsOf(const MemberStore &store, const std::vector<int> &listed);

// The lines of one household's label. For one member they are labelLines'. For more: "ARS "
// and the call signs there are, joined by ", " (no line when none has one); one name line,
// "John Q & Mary Smith" for two of one last name, "The Smith Family" for three or more,
// otherwise each name "First MI Last" joined by ", " and a last " & "; then the first
// member's address and town lines.
QStringList householdLines(const std::vector<const MemberRecord *> &members);

} // namespace tessaly
