#pragma once

#include "core/member_store.h"

#include <QByteArray>

#include <vector>

namespace tessaly {

// The members as a spreadsheet file, in the given order: UTF-8 with a byte-order mark (so that
// spreadsheet programs read accents right), a first row of the table headers, then a row a
// member with every value as stored; a value holding a comma, a double quote, CR or LF is
// enclosed in double quotes, a double quote inside doubled. CR LF ends every row; the line
// breaks of Address and Other stay CR LF inside their quoted cell.
QByteArray membersCsv(const MemberStore &store, const std::vector<int> &records);

} // namespace tessaly
