#pragma once

#include "label_rules/inches.h"
#include "label_rules/label_plan.h"
#include "label_rules/label_sheets.h"
#include "platform/platform.h"

#include <QString>

#include <vector>

class QPainter;

namespace tessaly {

// How the labels are lettered, and the sheet's labels outlined beneath them on a preview
// (paper and files never show outlines).
struct LabelLettering {
    QString fontFamily; // empty: the font the painter has
    double fontSize = 10;
    std::vector<InchRect> outlines;
};

// Paints one page (counted from 1) of the plan: each label's first line with its top at the
// label's y, each later line one line of the font lower, every line at the label's x; the
// painter's origin is the top-left corner of the printable area. The one way labels reach
// paper, Labels.pdf and the preview.
void paintLabelPage(QPainter &painter, const LabelPlan &plan, int page,
                    const LabelLettering &lettering);

// The labels as a document for the printer, on the paper their sheet is made for; the plan
// and the lettering must outlive it.
PrintDocument labelDocument(const LabelPlan &plan, const LabelLettering &lettering, Paper paper);

QPageSize pageSizeOf(Paper paper);

} // namespace tessaly
