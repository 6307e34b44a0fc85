#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

namespace tessaly {

extern const QString kHelpFileName;     // "readtess.txt"
extern const QString kHelpCopyFileName; // "HelpACL.txt"

// A help text is some pages; a file larger than this is not read.
constexpr qint64 kLargestHelpTextBytes = 16 * 1024 * 1024;

// The help text of readtess.txt in directory, every byte one Windows-1252 character; an
// empty text when the file is missing, cannot be read, is not a regular file or is larger
// than kLargestHelpTextBytes. failure, when given, names the file and the reason.
QString readHelpText(const QString &directory, Outcome *failure = nullptr);

// What the help page shows: the help text, nothing when there is no readtess.txt, and when
// there is one that cannot be read (too large, not a regular file, not readable), a line
// saying why, so that an empty page never hides a file that is there.
QString helpPageText(const QString &directory);

// HelpACL.txt: a double quote, the help text as it stands (nothing doubled or escaped),
// a double quote, CR LF; Windows-1252.
QByteArray helpCopyBytes(const QString &text);
Outcome writeHelpCopy(const QString &directory, const QString &text);

} // namespace tessaly
