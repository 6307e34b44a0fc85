#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

namespace tessaly {

// Writes bytes to path so that the file on disk is either the old one, untouched,
// or the whole new one: the new text goes to a temporary file beside it, named
// "<file>.tessaly-XXXXXX.tmp", which takes the old file's place only once every
// byte is on disk, and the folder is synced after the swap. A failure names the
// file and the system's reason (no space left on the device, file too large...).
Outcome writeWholeFile(const QString &path, const QByteArray &bytes);

// Reads the whole file at path into bytes. Failed, naming the file and the reason,
// when it cannot be opened or a read fails part way; bytes are then not to be used.
Outcome readWholeFile(const QString &path, QByteArray &bytes);

// Removes the temporary files in directory that writes killed before their swap
// left behind, and returns how many. The file each was meant to replace is whole
// (old or new), so nothing is lost. Only while no other write can be running:
// the caller holds the folder's lock.
int removeLeftoverTemporaries(const QString &directory);

} // namespace tessaly
