#pragma once

#include "import_rules/import_plan.h"

#include <QString>

namespace tessaly {

// Everything the import tells the operator, in one place.

QString importTitle();
QString sheetFileFilter();

QString sheetTooLargeReason();
QString notTextSheetReason();
// Text that holds NUL bytes, the first on line.
QString nulBytesReason(int line);
// The sheet could not be read, or was refused for the reason given.
QString sheetUnreadableMessage(const QString &path, const QString &reason);
QString noDataRowsMessage(const QString &path);
// The first row, which names the columns, opens a quote on line that is never closed.
QString headerQuoteNeverClosedReason(int line);
// A quote in the first row, which names the columns, closes in lastRow with more of the
// value after it.
QString headerMisplacedQuoteReason(int lastRow);

// The roll holds count members; adding would bring it past limit.
QString overLimitMessage(int count, int adding, int limit);

// The rows of the spreadsheet as a sentence names them: "row 5", "rows 3 and 5",
// "rows 2-4, 7 and 9-10".
QString rowsNamed(const std::vector<int> &rows);

// After the import: how many were added from the file, which rows were left out and
// why, and which went in with a value changed or kept as written.
QString importResultMessage(const QString &fileName, const ImportTally &tally);

// Below the preview, before anything is added.
QString importSummary(const ImportTally &tally, int rows, int room);
// Row sheetRow opens a quote on line of the file that is never closed; the file ends
// on lastLine.
QString quoteNeverClosedText(int sheetRow, int line, int lastLine);
// Each span of rows (first, last) a quote out of place ran over, left out; the first few
// told in full.
QString misplacedQuotesText(const std::vector<std::pair<int, int>> &spans);
QString addDuplicatesText(int rows);
QString acceptReplacementsText(int rows);
QString notImportedText();
// The preview's tooltips on the cells that leave their row out.
QString tooLongTip(qsizetype length);
QString quoteNeverClosedTip(int line, int lastLine);

} // namespace tessaly
