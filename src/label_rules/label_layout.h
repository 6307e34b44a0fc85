#pragma once

namespace tessaly {

// The label sheet as the operator measured it, in the order labelrcp.dat holds it.
// Single precision: layoutValueText writes a float's seven significant digits, so a layout
// read from the file and written back gives the same text.
struct LabelLayout {
    float rowsPerPage = 10;   // label rows on a sheet, top to bottom
    float columnsPerPage = 3; // label columns on a sheet, left to right
    float topMargin = 0.52f;  // inches: top of the page to the top edge of the first label
    float leftMargin = 0.1f;  // inches: left of the page to the left edge of the first label
    float labelHeight = 1;    // inches: top edge of one label to the top edge of the next
    float labelWidth = 2.75f; // inches: left edge of one label to the left edge of the next
    float fontSize = 10;      // points

    bool operator==(const LabelLayout &other) const
    {
        return rowsPerPage == other.rowsPerPage && columnsPerPage == other.columnsPerPage &&
               topMargin == other.topMargin && leftMargin == other.leftMargin &&
               labelHeight == other.labelHeight && labelWidth == other.labelWidth &&
               fontSize == other.fontSize;
    }
};

} // namespace tessaly
