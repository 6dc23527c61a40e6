// Printing a panel or a graph on the PC's printer (or into a PDF file) with the print
// settings the operator keeps in the interface record.
#pragma once

#include <QString>
#include <string>

#include "ui/print_attributes.h"

class QPrinter;
class QWidget;

namespace ui {

// Applies the attributes to a printer.
void apply_print_attributes(QPrinter& printer, const PrintAttributes& attributes);

// Renders the widget onto the printer's page: the image fills the page height and its
// width follows in proportion (narrowed to the page width when it would not fit).
// False when the printer cannot be started.
bool render_widget(QWidget& widget, QPrinter& printer);

// Asks for the printer with the print dialog, then prints. False when cancelled or the
// printer fails; `error` then says why (empty when cancelled).
bool print_widget(QWidget& widget, const PrintAttributes& attributes, QString* error = nullptr);

// print_widget for a panel or graph the operator asked to print: a printer that cannot be
// started is reported under "Fehler-Meldung :"; a cancelled dialog is not.
bool print_panel(QWidget& panel, const PrintAttributes& attributes);

// Asks for a file name ("Grafik als Bild speichern", *.png, starting in `start_folder`)
// and saves what the widget shows as a PNG image. The file appears complete or not at
// all; a failure is reported. True when an image was saved.
bool save_widget_image(QWidget& widget, const std::string& start_folder);

}  // namespace ui
