#pragma once

#include "core/window_fitting.h"

class QWidget;

namespace tessaly {

// Scales the geometry of every child control of container by ratios; fonts keep
// their size. Children placed inside a child (a group box's buttons) keep their
// coordinates relative to it and scale by the same ratios.
void fitControls(QWidget *container, FitRatios ratios);

}  // namespace tessaly
