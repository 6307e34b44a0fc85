#pragma once

#include "platform/platform.h"

class QComboBox;
class QSpinBox;

namespace tessaly {

// Fills list with the installed printers, the printer chosen last selected (the system's
// default until one was chosen), and copies (1 to 99) with the copies set last; from then on
// every change is the printer's choice for the prints that follow. With no printer the list
// holds noPrinter alone, disabled, and both controls are disabled: the PDF takes no choice.
void offerPrinters(Printer &printer, QComboBox *list, QSpinBox *copies, const QString &noPrinter);

} // namespace tessaly
