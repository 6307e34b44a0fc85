#pragma once

#include "label_rules/label_layout.h"
#include "label_rules/label_request.h"

#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace tessaly {

enum class Paper { Letter, A4 };

// The paper's size in inches.
QSizeF paperSize(Paper paper);

// A label sheet sold ready-made: what its box says and what it measures, with a ruler, from
// the edges of the paper. The six measures are those of the label window's sheet boxes.
struct LabelSheet {
    const char *name; // as the sheet list shows it (UTF-8)
    float rowsPerPage;
    float columnsPerPage;
    float topMargin;   // inches
    float leftMargin;  // inches
    float labelHeight; // inches: the pitch, the gap below a label included
    float labelWidth;  // inches: the pitch, the gap beside a label included
    Paper paper;
    float height; // inches: the label itself
    float width;
};

// The common address-label sheets, in the order the sheet list shows them.
const std::vector<LabelSheet> &labelSheets();

// The sheet whose six measures the layout holds, exactly as the boxes show them (the font
// size aside); nullopt for any other sheet, which the list shows as "Custom".
std::optional<std::size_t> matchingSheet(const LabelLayout &layout);

// The sheet the six sheet boxes show (Rows to LabelWidth; the others are not read);
// nullopt when one of them is not numeric or they match no sheet.
std::optional<std::size_t> matchingSheet(const LabelBoxTexts &texts);

// The paper a layout is printed on, on a printer, in Labels.pdf and in the preview alike: a
// listed sheet's own paper; for any other sheet US Letter, unless its labels reach past
// Letter and fit on A4.
Paper labelPaper(const LabelLayout &layout);

// The layout with the sheet's six measures and the font size kept.
LabelLayout withSheet(LabelLayout layout, const LabelSheet &sheet);

} // namespace tessaly
