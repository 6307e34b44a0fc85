#pragma once

#include "platform/platform.h"

#include <QString>

namespace tessaly {

// What a print was of, as its messages name it.
struct PrintedWork {
    QString title;   // "Labels", "Directory": "Labels Saved", "Directory Waiting"
    QString subject; // "the labels were", "the directory was"
};

// Tells the operator what became of a print, the same way for every document: nothing for a
// job the printer took, a note for a job that waits or pages saved as a PDF, and for a
// failure a beep and its reason. A file that could not be written (the result names it) is
// told as a file error; "Printer Error!" is kept for the printer itself.
void tellPrintResult(MessageBoxes &messages, const PrintResult &result, const PrintedWork &work);

// The result of a print that stopped before the printer because a file it writes first could
// not be written.
PrintResult fileNotWritten(const QString &file, const QString &reason);

} // namespace tessaly
