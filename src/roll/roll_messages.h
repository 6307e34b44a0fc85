#pragma once

#include <QString>

namespace tessaly {

// What every window tells the operator about the roll's files and the clipboard,
// worded once so that a failed save reads the same wherever it happens.

QString saveFailureTitle();
// path: the roll's file; reason: why it could not be written.
QString saveFailureMessage(const QString &path, const QString &reason);

QString surplusTitle();
QString surplusMessage(const QString &path, int surplus);

QString addressFileFailureTitle();
QString addressFileFailureMessage(const QString &path, const QString &reason);

QString clipboardFailureTitle();
QString clipboardFailureMessage();

} // namespace tessaly
