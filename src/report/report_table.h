#pragma once

#include "core/member_store.h"

#include <QString>

#include <vector>

namespace tessaly {

// The report as the clipboard gets it, for pasting into a spreadsheet: one line per
// displayed record in display order, its cells as the report shows them joined by
// single tabs, every line ended by CR LF. No header and no quoting: a cell holding a
// tab goes out as it is. No records give the empty text.
QString reportTableText(const MemberStore &store, const std::vector<int> &displayed);

} // namespace tessaly
