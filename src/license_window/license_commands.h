#pragma once

#include "platform/platform.h"

class QWidget;

namespace tessaly {

class RollSession;

// File menu: compares the roll with the FCC's amateur license file the operator chooses and,
// after a preview, takes the ticked changes of Call, Class and Lic Exp in one step. Tells the
// operator how it went; returns whether the roll changed.
bool updateLicensesFromFccFile(RollSession &roll, Platform &platform, QWidget *parent);

} // namespace tessaly
