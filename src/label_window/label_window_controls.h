#pragma once

#include "forms/control_table.h"
#include "label_rules/label_number_rules.h"

#include <QString>

#include <vector>

namespace tessaly {

// The " Label Format" window as designed for a 640 x 480 screen: every control's place
// in twips, its text and tooltip, in focus order. The window builds itself from this.

constexpr int kLabelDesignClientWidth = 7845;
constexpr int kLabelDesignClientHeight = 5340;

enum class LabelControlKind {
    NumberBox,
    Caption,
    SheetList,
    FontList,
    Preview,
    HouseholdBox,
    PrinterList,
    CopiesBox,
    PrintButton,
    PreviewButton,
};

struct LabelControlSpec : ControlRow {
    LabelControlKind kind;
    LabelBox box = LabelBox::Rows; // which value a number box holds
};

// The sheet list first, then the nine number boxes in focus order, Text1 to Text8, then
// Text9 after the font list, the household box, the printer and its copies, "&Print" and its
// preview last. The sheet list, the household box and the preview button stand where the
// window had room: above the first box, below the font preview, and below "Font Size" beside
// "&Print"; the printer and the copies on a row of their own under everything.
const std::vector<LabelControlSpec> &labelControls();

} // namespace tessaly
