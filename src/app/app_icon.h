#pragma once

#include <QIcon>

namespace tessaly {

// The Tessaly icon, drawn at 48, 128 and 256 pixels and compiled into the program, so that
// windows carry it wherever the program runs from, installed or not.
QIcon applicationIcon();

} // namespace tessaly
