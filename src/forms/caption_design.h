#pragma once

#include "forms/design_geometry.h"

#include <QString>

namespace tessaly {

enum class CaptionAlignment { Left, Centre };

// A caption label of a designed window: white bold text on navy.
struct CaptionSpec {
    QString id;
    QString caption;
    TwipsRect rect;
    CaptionAlignment alignment = CaptionAlignment::Left;
    QString toolTip;
};

} // namespace tessaly
