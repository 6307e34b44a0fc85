#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

namespace tessaly {

extern const QString kHelpFileName;     // "readtess.txt"
extern const QString kHelpCopyFileName; // "HelpACL.txt"

// The help text of readtess.txt in directory, every byte one Windows-1252 character; an
// empty text when the file is missing or cannot be read.
QString readHelpText(const QString &directory);

// HelpACL.txt: a double quote, the help text as it stands (nothing doubled or escaped),
// a double quote, CR LF; Windows-1252.
QByteArray helpCopyBytes(const QString &text);
Outcome writeHelpCopy(const QString &directory, const QString &text);

} // namespace tessaly
