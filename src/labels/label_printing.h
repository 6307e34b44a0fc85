#pragma once

#include "core/outcome.h"
#include "labels/label_plan.h"
#include "platform/platform.h"

#include <QString>

namespace tessaly {

// Prints the plan's labels in their order on printer, every line in fontFamily at
// fontSize points, and ends the document. The first failure stops the run: the printer
// is told to abort and the outcome names the printer's file (or "the printer") and what
// failed. Printing, the PDF without a printer and the preview all go through here, so
// they cannot come out different. A preview passes the sheet's cells (sheetCells): they
// are outlined on every page before its labels, where paper and the PDF ignore them.
Outcome printLabels(Printer &printer, const LabelPlan &plan, const QString &fontFamily,
                    double fontSize, const std::vector<QRectF> &outlinedCells = {});

} // namespace tessaly
