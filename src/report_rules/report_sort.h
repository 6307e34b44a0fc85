#pragma once

#include "core/member_store.h"

#include <vector>

namespace tessaly {

// Reorders the displayed record numbers ascending by their cell text in column (0 to
// kReportColumnCount - 1), compared as text without regard to letter case: dates,
// counts and flags sort as the characters they are written with, so "10/1/2003" comes
// before "9/30/2003" and an empty cell before any other. Records whose cells are equal
// keep their relative order. Every number must be a record of store.
void sortReportByColumn(const MemberStore &store, std::vector<int> &displayed, int column);

} // namespace tessaly
