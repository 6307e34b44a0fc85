#pragma once

#include "core/member_store.h"

#include <QString>

namespace tessaly {

// The figures of the whole roll that the report window shows beside its query.
struct MemberStatistics {
    int total = 0;
    int arrl = 0;   // ArrlMember exactly "Y"
    int voting = 0; // VotingMember exactly "Y"
};

// Unlike the main window, the figures count only an upper-case "Y": a "y" typed into
// the file by hand is not a member.
MemberStatistics memberStatistics(const MemberStore &store);

// A count as its value label shows it: the decimal number and two blanks, "57  ".
QString statisticsCountText(int count);

// The ARRL share as a whole percentage rounded half up, "21%". It is "0%" with no
// members and whenever the share rounds down to nothing.
QString arrlPercentText(const MemberStatistics &statistics);

} // namespace tessaly
