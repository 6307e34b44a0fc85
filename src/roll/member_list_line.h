#pragma once

#include "core/member_record.h"

#include <QString>

namespace tessaly {

// "Last, First MI", then " - Call" when there is a call sign. The blank after the
// first name is there even without a middle initial.
QString memberListLine(const MemberRecord &record);

} // namespace tessaly
