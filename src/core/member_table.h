#pragma once

#include "core/member_store.h"

#include <QString>

#include <vector>

namespace tessaly {

// A field as a table shows it on one line: Address shows every CR LF pair as ", " and Other
// as one blank, so that a multi-line field stays on its line; a lone CR or LF is kept. Every
// other field is shown as stored.
QString memberTableCell(const MemberRecord &record, Field field);

// The members as a spreadsheet takes them from the clipboard: one line per record number, in
// the order given, holding the nineteen cells of kMemberColumns joined by single tabs, every
// line ended by CR LF. No header line and no quoting: a value holding a tab goes out as it is.
// A number outside the store (a listing left over after the roll shrank) is skipped; no
// records give the empty text. The main window's list and the report copy this same table.
QString memberTableText(const MemberStore &store, const std::vector<int> &records);

} // namespace tessaly
