#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

namespace tessaly {

// Writes bytes to path so that the file on disk is either the old one, untouched,
// or the whole new one: the new text goes to a temporary file beside it, which
// takes the old file's place only once every byte is on disk. A failure names the
// file and the reason.
Outcome writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace tessaly
