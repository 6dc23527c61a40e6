// Printing a panel or graph on the PC's printer with the operator's print settings
// from the interface record (colour mode, orientation, resolution).
#pragma once

#include <QString>

#include "ui/qt/widget_printing.h"

class QWidget;

namespace app {

// The print settings of `com`, as the printing layer takes them.
ui::PrintAttributes set_print_attributes();

// Asks for the printer (a PDF file is one of the choices) and prints `panel`. A printer
// that cannot be started is reported; a cancelled dialog is not.
bool print_panel(QWidget& panel);

}  // namespace app
