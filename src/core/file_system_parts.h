#pragma once

// What the implementations of core/file_system.h share, whatever the system: how a write's
// temporary is named and found again, the checks before a write, the words of a refusal.
// For those implementations alone.

#include "core/file_system.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly::file_system_parts {

// "<target>.tessaly-XXXXXX.tmp", six letters or digits drawn anew on every call.
QString temporaryNameFor(const QString &target);

// The files in directory named as a write's temporaries are, as absolute paths.
QStringList temporariesIn(const QString &directory);

// Where a write to path goes: a link is followed (the link stays), and the folder must exist
// and be one, with no folder standing in the file's place; else the failure to give.
std::optional<Outcome> writeTargetProblem(const QString &path, QFileInfo &target);

// A read turned down: the file's name, then why.
Outcome refuseRead(const QString &path, const QString &why, ReadRefusal kind, ReadRefusal *refusal);

} // namespace tessaly::file_system_parts
