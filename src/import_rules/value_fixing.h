#pragma once

#include "core/member_record.h"

#include <QDate>
#include <QString>
#include <QStringView>

namespace tessaly {

// A spreadsheet value made fit for the roll.
struct FixedValue {
    QString text;
    // Characters Windows-1252 cannot hold were replaced by near letters or '?'.
    bool replaced = false;
    // A date or yes/no field whose value could not be read as one; kept as written.
    bool keptAsText = false;
};

// The apostrophe the export puts before a value that begins with a formula character goes;
// blanks around the value and double quotes go; tabs and other control characters
// become blanks. Line breaks become CR LF in Address and Other, and a blank in every
// single-line field. The call sign and the state are written in capitals, as their
// boxes do. Dates the date boxes accept become "m/d/yyyy"; yes/no/true/false/1/0/x
// become "Y" or "N" in the flags, an empty flag "N".
FixedValue fixValue(Field field, QStringView raw, const QDate &today);

// Each character Windows-1252 cannot hold becomes its letter without accents where
// there is one ("ő" becomes "o"), and '?' otherwise; a character outside the basic
// plane is one '?'.
QString replaceUnencodable(QStringView text);

} // namespace tessaly
