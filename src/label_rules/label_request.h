#pragma once

#include "label_rules/label_layout.h"
#include "label_rules/label_number_rules.h"

#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// What the operator asks to print: the sheet and the position of the first label, as the
// boxes hold them once converted to numbers.
struct LabelRequest {
    LabelLayout layout;
    double startRow = 1;
    double startColumn = 1;
};

// The texts of the nine number boxes, in LabelBox order.
using LabelBoxTexts = std::array<QString, 9>;

// The caption beside a number box: the window shows it and a refusal quotes it.
QString labelBoxCaption(LabelBox box);

// The request the boxes hold; nullopt when a text is not numeric (numericValue), and then
// *unreadable, when given, is the first such box.
std::optional<LabelRequest> requestFromTexts(const LabelBoxTexts &texts,
                                             LabelBox *unreadable = nullptr);

// The box that holds a value the labels cannot be laid out with, and what to tell the
// operator about it.
struct RequestProblem {
    LabelBox box;
    QString message;
};

// The ranges a request must keep. Counts (rows, columns, start row and column) are rounded
// down before they are checked, so 2.5 rows are 2; a start row of 0 or beyond the rows per
// page is allowed, since the layout knows what to do with it (one label height above the
// top margin; a new page first).
struct LabelLimits {
    static constexpr int kMaxRows = 100;
    static constexpr int kMaxColumns = 20;
    static constexpr double kMaxMarginInches = 20; // from 0
    static constexpr double kMaxPitchInches = 20;  // label height and width: above 0
    static constexpr double kMinFontPoints = 1;
    static constexpr double kMaxFontPoints = 200;
    static constexpr int kMaxStartRow = 1000; // from 0
    // The start column runs from 1 to the (rounded down) columns per page.
};

// The first value of the request, in the order of the boxes, that is out of its range
// (LabelLimits); nullopt when the labels can be laid out as asked. The message names the
// box by its caption and gives the range. Nothing is printed or written for a request
// with a problem: a column count of 0 would keep the layout's row start from advancing, a
// start column beyond the columns would reach list positions below 1, and absurd counts,
// pitches or font sizes would give nonsense or a hang.
std::optional<RequestProblem> checkLabelRequest(const LabelRequest &request);

// What to tell the operator about a box whose text is no number at all (pasted, and not
// yet left), in the words of checkLabelRequest.
RequestProblem notNumericProblem(LabelBox box);

// The whole numbers a request is planned with (planLabels): each count rounded down.
struct LabelCounts {
    int rowsPerPage = 0;
    int columnsPerPage = 0;
    int startRow = 0;
    int startColumn = 0;
};
LabelCounts labelCounts(const LabelRequest &request);

} // namespace tessaly
