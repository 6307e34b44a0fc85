#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <initializer_list>

namespace tessaly::testing {

// One data file line: the given values quoted, the rest of the nineteen empty.
inline QByteArray fileRecord(std::initializer_list<const char *> values)
{
    QByteArrayList fields(values.begin(), values.end());
    fields.resize(19);
    return '"' + fields.join("\",\"") + "\"\r\n";
}

} // namespace tessaly::testing
