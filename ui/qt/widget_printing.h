// Printing a panel or a graph on the PC's printer (or into a PDF file) with the print
// settings the operator keeps in the interface record.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace ui {

struct PrintAttributes {
    int color_mode = 0;   // 0 = black and white, otherwise colour
    int orientation = 2;  // 2 = landscape, otherwise portrait
    int x_resolution = 300;
    int y_resolution = 300;
};

// Applies the attributes to a printer.
void apply_print_attributes(QPrinter& printer, const PrintAttributes& attributes);

// Renders the widget onto the printer's page: the image fills the page height and its
// width follows in proportion (narrowed to the page width when it would not fit).
// False when the printer cannot be started.
bool render_widget(QWidget& widget, QPrinter& printer);

// Asks for the printer with the print dialog, then prints. False when cancelled or the
// printer fails; `error` then says why (empty when cancelled).
bool print_widget(QWidget& widget, const PrintAttributes& attributes, QString* error = nullptr);

}  // namespace ui
