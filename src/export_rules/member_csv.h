#pragma once

#include "core/member_store.h"

#include <QByteArray>

#include <vector>

namespace tessaly {

// The members as a spreadsheet file, in the given order: UTF-8 with a byte-order mark (so that
// spreadsheet programs read accents right), a first row of the table headers, then a row a
// member with every value as stored; a value holding a comma, a double quote, CR or LF is
// enclosed in double quotes, a double quote inside doubled. CR LF ends every row; the line
// breaks of Address and Other stay CR LF inside their quoted cell. A value that begins with
// "=", "+", "-", "@", a tab or a CR, after any apostrophes, is written with one apostrophe more
// in front, so that no spreadsheet runs it as a formula; the import takes that one away again.
QByteArray membersCsv(const MemberStore &store, const std::vector<int> &records);

} // namespace tessaly
