#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace tessaly::testing {

// One data file line: the given values quoted, the rest of the nineteen empty. The values are
// byte arrays so that any byte, a NUL too, can stand in one.
inline QByteArray fileRecord(QByteArrayList fields)
{
    fields.resize(19);
    return '"' + fields.join("\",\"") + "\"\r\n";
}

} // namespace tessaly::testing
