#pragma once

#include <QDate>
#include <QString>

namespace tessaly {

// What an empty date box offers when the operator enters it.
QString proposedDateText(const QDate &today);

struct DateBoxLeave {
    QString text; // what the box holds afterwards
    bool valid = true;
};

// Leaving a date box: blanks around the text go; an empty text is fine; a date is
// written as "m/d/yyyy"; anything else is invalid and stays as trimmed.
DateBoxLeave leaveDateBox(const QString &text, const QDate &today);

} // namespace tessaly
