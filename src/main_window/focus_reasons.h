#pragma once

#include <Qt>

namespace tessaly {

// Focus that moves because the window was deactivated, or a menu or popup opened,
// comes straight back to the same control: it is not the operator entering or
// leaving a box, and the enter and leave rules ignore it.
inline bool isOperatorFocusChange(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace tessaly
