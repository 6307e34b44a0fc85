#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// The 50 two-letter state codes, AK to WY, in alphabetical order.
const QStringList &stateCodes();

// The first code that begins with prefix (letter case ignored), or an empty text.
QString firstStateCodeWithPrefix(const QString &prefix);

}  // namespace tessaly
