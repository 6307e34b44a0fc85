#pragma once

#include "core/outcome.h"
#include "label_rules/label_layout.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessaly {

extern const QString kLabelSettingsFileName; // "labelrcp.dat"

// The first seven numbers of a labelrcp.dat, in LabelLayout order. A value ends at a comma
// or a line break (CR LF, CR or LF); line breaks and blanks before a value are skipped, so
// values may stand one to a line, and whatever follows the seventh is not read. Fewer than
// seven values, or one that is not numeric as the boxes count it (numericValue: ".52" and
// "0.52" both are; an empty value between two commas is not), gives nullopt.
std::optional<LabelLayout> parseLabelSettings(const QByteArray &bytes);

// The one line labelrcp.dat holds: the seven values as layoutValueText writes them,
// separated by commas, without blanks, ended by CR LF: "10,3,.52,.1,1,2.75,10\r\n".
QByteArray labelSettingsLine(const LabelLayout &layout);

// A layout value as the boxes show it and the file holds it: a plain decimal number with
// at most 7 significant digits, no exponent and no trailing zeros, and a value below 1
// without its leading zero (".52", ".1"), the form of the boxes' starting texts, so that the
// boxes and the file show a value alike. 0 is "0".
// Infinity and not-a-number, which no box can produce, are written "0".
QString layoutValueText(float value);

// Seven numbers and a line end take a few dozen bytes; a larger file is not read.
constexpr qint64 kLargestLabelSettingsBytes = 64 * 1024;

// labelrcp.dat in directory; nullopt when it is missing, unreadable, not a regular file,
// larger than kLargestLabelSettingsBytes or not seven numbers. failure, when given, then
// names the file and the reason.
std::optional<LabelLayout> readLabelSettings(const QString &directory, Outcome *failure = nullptr);

// Replaces labelrcp.dat in directory with the layout's line; the old file stays whole
// when the new one cannot be written, and the failure names the file and the reason.
Outcome writeLabelSettings(const QString &directory, const LabelLayout &layout);

} // namespace tessaly
