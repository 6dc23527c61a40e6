#include "app/printing.h"

#include "settings/records.h"
#include "ui/ui.h"

namespace app {

ui::PrintAttributes set_print_attributes() {
    ui::PrintAttributes attributes;
    attributes.color_mode = rec::com.print_color_mode;
    attributes.orientation = rec::com.print_orientation;
    attributes.x_resolution = rec::com.print_x_resolution;
    attributes.y_resolution = rec::com.print_y_resolution;
    return attributes;
}

bool print_panel(QWidget& panel) {
    QString error;
    if (ui::print_widget(panel, set_print_attributes(), &error)) return true;
    if (!error.isEmpty()) ui::message_box("Fehler-Meldung :", error.toStdString());
    return false;
}

}  // namespace app
