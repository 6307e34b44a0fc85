#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tessaly {

// Reads a date written month/day/year: "7/4/2003", "07/04/03", " 7/4 " (the
// current year). Accepted besides:
//  - "-" or "." in place of "/";
//  - a year of four digits, or of one or two digits completed to the century
//    window 1930-2029 (00-29 are 2000-2029, 30-99 are 1930-1999);
//  - year first, "2003/7/4", when the first number has four digits;
//  - day first, "25/12/2002", when the first number cannot be a month (13-31).
// Leading zeros and blanks around the text are allowed. today supplies the year
// when it is left out.
std::optional<QDate> parseDateText(const QString &text, const QDate &today);

bool isDateText(const QString &text, const QDate &today);

// The date as "m/d/yyyy". A text that is not a date comes back unchanged.
QString formatDateText(const QString &text, const QDate &today);
QString formatDate(const QDate &date);

}  // namespace tessaly
