#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace tessaly {

// The nine number boxes of the label window, in focus order (Text1 to Text9 but for
// StartRow and StartColumn, which are Text7 and Text8 and come before FontSize, Text9).
enum class LabelBox {
    Rows,        // Text1
    Columns,     // Text2
    TopMargin,   // Text3
    LeftMargin,  // Text4
    LabelHeight, // Text5
    LabelWidth,  // Text6
    StartRow,    // Text7
    StartColumn, // Text8
    FontSize,    // Text9
};

// The key filter of every label box (Number): "/" is swallowed, Backspace (QChar(8))
// passes, and of everything else only "." and the ten digits pass.
bool labelKeyPasses(QChar typed);

// The value of a numeric box text. Numeric means a plain decimal number: one or more
// digits with at most one "." anywhere among them (".5", "5." and "0.5" are all numeric),
// with spaces and tabs around it ignored. Not numeric: the empty text, a "." alone, signs,
// exponents ("1e3"), thousands separators, a second ".", letters, blanks inside, and a
// number too large for a double.
std::optional<double> numericValue(const QString &text);

// The text a box keeps when the focus leaves it: the text itself when it passes the box's
// rule, otherwise the box's fallback. Not numeric gives "1" (the two margins included),
// "2.75" for LabelWidth and "10" for FontSize, which also becomes "10" below 1. StartRow
// has no range rule. StartColumn stays only when it is numeric, above 0 and not above the
// value of columnsText (the Columns box, compared as numbers; a columns text that is not
// numeric keeps no start column); columnsText is read for StartColumn only.
QString leaveText(LabelBox box, const QString &text, const QString &columnsText = QString());

// The preview size while the font size box is being typed in: its value when the text is
// numeric and above 0.9999999; nullopt leaves the preview as it is.
std::optional<double> previewSizeWhileTyping(const QString &text);

} // namespace tessaly
