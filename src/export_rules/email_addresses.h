#pragma once

#include "core/member_store.h"

#include <QStringList>

#include <vector>

namespace tessaly {

struct EmailAddresses {
    QStringList addresses; // in the members' order, each once
    int membersWithout = 0;
};

// The members' e-mail addresses for one mail's Bcc box: a field holding several is split at
// "," or ";", blanks trimmed; an address seen before (letter case ignored) is left out, and so
// is a part without "@". A member none of whose parts is an address has none.
EmailAddresses emailAddresses(const MemberStore &store, const std::vector<int> &records);

// The addresses as one Bcc line.
QString bccLine(const EmailAddresses &found);

} // namespace tessaly
