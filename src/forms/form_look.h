#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace tessaly {

// Fonts and colours of the designed windows. Where a named face is missing, the style
// hint picks the nearest face of the same kind.
QFont controlFont();
QFont captionFont();
QFont memberListFont();
QFont quickCopyFont();
QFont closeButtonFont(); // Arial bold 8.25

QColor captionBackground();        // navy
QColor focusedCaptionBackground(); // bright blue, behind the label of a focused check box

// White text on the given background, filling the widget's whole rectangle.
void paintOnBackground(QWidget *widget, const QColor &background);

} // namespace tessaly
