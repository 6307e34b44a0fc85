#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

namespace tessaly {

struct SheetFile {
    Outcome outcome; // Failed: unreadable; Refused: not a text sheet or too large
    QByteArray bytes;
};

// A spreadsheet's text, read whole. Anything larger than any club's roll could be, or
// holding NUL bytes, is refused: a workbook or text saved as UTF-16 as not a sheet's text,
// text with a few NUL bytes as damaged, naming the line of the first. A FIFO, a device or
// a folder chosen in the file dialog fails without being read.
SheetFile readSheetFile(const QString &path);

constexpr qint64 kLargestSheetBytes = 64 * 1024 * 1024;

} // namespace tessaly
