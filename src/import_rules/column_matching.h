#pragma once

#include "core/member_record.h"

#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace tessaly {

// For each column of the sheet, the member field it fills; nullopt for a column
// that is not imported. No field is filled by two columns.
using ColumnMatches = std::vector<std::optional<Field>>;

// The field a column header names: the report's own header texts, the captions of
// the entry boxes and the names spreadsheets usually give ("Call sign", "E-mail",
// "Zip code"), letter case, blanks and punctuation aside.
std::optional<Field> fieldForHeader(QStringView header);

// The header row matched column by column; when two columns name the same field,
// the first one takes it. Columns beyond the header are not imported.
ColumnMatches matchColumns(const QStringList &headers, int columnCount);

// The operator's choice for one column. A field another column had moves here, and
// that column is no longer imported.
void assignField(ColumnMatches &matches, int column, std::optional<Field> field);

} // namespace tessaly
