#pragma once

class QAbstractButton;

namespace tessaly {

// Makes Enter (Return or the keypad's Enter) press button while it has the keyboard
// focus, as Space does. The button keeps autoDefault off, so Enter typed in a box of
// the window still presses nothing.
void pressOnEnter(QAbstractButton *button);

} // namespace tessaly
