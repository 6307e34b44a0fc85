#pragma once

#include "forms/control_table.h"

#include <QString>

namespace tessaly {

enum class CaptionAlignment { Left, Centre };

// A caption label of a designed window: white bold text on navy.
struct CaptionSpec : ControlRow {
    CaptionAlignment alignment = CaptionAlignment::Left;
};

} // namespace tessaly
