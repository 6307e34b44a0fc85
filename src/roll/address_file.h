#pragma once

#include "core/outcome.h"

#include <QString>

namespace tessaly {

extern const QString kAddressFileName; // "Address.txt"

// Writes Address.txt in directory as Windows-1252 text, replacing any older file
// only once the new one is complete.
Outcome writeAddressFile(const QString &directory, const QString &text);

} // namespace tessaly
